// toolartgen: draws the program's own pictures. `toolartgen <folder>` writes about.bmp
// (24 bits), startup_mark.bmp (8 bits), menu_glyph.bmp (24 bits) and setup_side.bmp (24
// bits) into <folder>, and the marker and the glyph at 150 % and 200 % beside them
// (startup_mark_150.bmp, menu_glyph_200.bmp, ...); the output is committed under app/res/,
// from where the resource script and the setup (installer/quillet.nsi) take it.
#include <cstdio>
#include <string>

#include "skin/art/bmp_file.h"
#include "tools/art/tool_art.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: toolartgen <folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const art::Image about = art::AboutPicture("1.0");
    const art::Image marker = art::StartupMarker();
    const art::Image glyph = art::MenuGlyph();
    const art::Image side = art::SetupSidePicture();
    const auto aboutBytes = art::EncodeBmp(about.Width(), about.Height(), art::Quantise(about));
    const auto markerBytes = art::EncodeBmp8(marker.Width(), marker.Height(), art::Quantise(marker));
    if (markerBytes.empty() || !art::WriteFile(folder + "about.bmp", aboutBytes) ||
        !art::WriteFile(folder + "startup_mark.bmp", markerBytes) ||
        !art::WriteFile(folder + "menu_glyph.bmp",
                        art::EncodeBmp(glyph.Width(), glyph.Height(), art::Quantise(glyph))) ||
        !art::WriteFile(folder + "setup_side.bmp",
                        art::EncodeBmp(side.Width(), side.Height(), art::Quantise(side)))) {
        std::fprintf(stderr, "toolartgen: cannot write into %s\n", folder.c_str());
        return 1;
    }
    for (int percent : art::kArtPercents) {
        if (percent == 100)
            continue;
        const std::string suffix = "_" + std::to_string(percent) + ".bmp";
        const art::Image bigMarker = art::StartupMarker(percent);
        const art::Image bigGlyph = art::MenuGlyph(percent);
        const auto bigMarkerBytes = art::EncodeBmp8(bigMarker.Width(), bigMarker.Height(), art::Quantise(bigMarker));
        if (bigMarkerBytes.empty() || !art::WriteFile(folder + "startup_mark" + suffix, bigMarkerBytes) ||
            !art::WriteFile(folder + "menu_glyph" + suffix,
                            art::EncodeBmp(bigGlyph.Width(), bigGlyph.Height(), art::Quantise(bigGlyph)))) {
            std::fprintf(stderr, "toolartgen: cannot write into %s\n", folder.c_str());
            return 1;
        }
    }
    return 0;
}
