#include "skin/skin_files.h"

#include "skin/skin_values.h"

namespace skin {

std::array<SkinFile, kSkinFileCount> RequiredSkinFiles() {
    std::array<SkinFile, kSkinFileCount> files{};
    for (int i = 0; i < kSkinFileCount; ++i) files[i] = static_cast<SkinFile>(i);
    return files;
}

const char* SkinFileName(SkinFile file) {
    static constexpr std::array<const char*, kSkinFileCount> names{
        "background.bmp",  "bottom left.bmp", "bottom right.bmp", "bottom.bmp",       "left.bmp",
        "right.bmp",       "sys buttons.bmp", "menu button.bmp",  "top left.bmp",     "top right.bmp",
        "top.bmp",         "tab.bmp",         "tab buttons.bmp",  "toolbar.bmp",      "v scrollbar.bmp",
        "h scrollbar.bmp", "statusbar.bmp",   "menu check.bmp",   "menu item.bmp",    "window menu.bmp"};
    const int i = static_cast<int>(file);
    return (i >= 0 && i < kSkinFileCount) ? names[i] : "";
}

std::string MissingFileMessage(SkinFile file) {
    return std::string("The ") + SkinFileName(file) + " file for the chosen skin was not found";
}

SkinFile FramePieceFile(FramePiece piece) {
    switch (piece) {
        case FramePiece::TopLeft: return SkinFile::TopLeft;
        case FramePiece::Top: return SkinFile::Top;
        case FramePiece::TopRight: return SkinFile::TopRight;
        case FramePiece::Left: return SkinFile::Left;
        case FramePiece::Right: return SkinFile::Right;
        case FramePiece::BottomLeft: return SkinFile::BottomLeft;
        case FramePiece::Bottom: return SkinFile::Bottom;
        case FramePiece::BottomRight: return SkinFile::BottomRight;
    }
    return SkinFile::TopLeft;
}

bool IsSupportedSkinVersion(std::string_view version) { return EqualsIgnoreCase(version, "1.0"); }

std::string SkinFolderPath(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

std::optional<SkinRefusal> CheckSkinFolder(const std::function<bool(const char*)>& fileExists,
                                           const SkinLookup& lookup) {
    if (!fileExists(kSkinIniFileName)) return SkinRefusal{kSkinIniMissingMessage, MessageIcon::Error};
    const std::optional<std::string> version = lookup("Info", "Version");
    if (!version || !IsSupportedSkinVersion(*version))
        return SkinRefusal{kIncompatibleSkinMessage, MessageIcon::Information};
    for (SkinFile file : RequiredSkinFiles()) {
        if (!fileExists(SkinFileName(file))) return SkinRefusal{MissingFileMessage(file), MessageIcon::Error};
    }
    return std::nullopt;
}

}  // namespace skin
