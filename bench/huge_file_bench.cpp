// Benchmark of the text engine on a file of gigabytes, natively (no window, no painting).
//   bench_huge_file [megabytes] [folder]
// megabytes: 3072 in a 64-bit build, 1228 (1.2 GB, the largest file the 32-bit program
// opens) in a 32-bit one; folder: the system's temporary folder.
// Writes a generated UTF-8 file of code-like CRLF lines in pieces, loads it into a
// document as the control does (read in pieces straight into the buffer), types 100
// characters at the end and 100 in the middle, undoes them, saves the document in pieces
// to a second file and checks that its bytes are the file's. Neither the file nor the
// saved copy is ever whole in memory beside the document. Both files are removed at the
// end. Without room on the disk for both, the run is skipped (exit code 0).
#ifndef _FILE_OFFSET_BITS
#define _FILE_OFFSET_BITS 64  // a 32-bit build writes and reads files past 2 GB
#endif

#include "bench/bench_report.h"
#include "corvex/engine/file_codec.h"
#include "corvex/engine/text_buffer.h"
#include "corvex/engine/text_document.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;
double msSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

constexpr std::uint64_t kMB = 1 << 20;

// A figure without a target, in the columns of bench::Report.
void figure(const std::string& what, double value, const char* unit) {
    std::printf("  %-58s %9.2f %s\n", what.c_str(), value, unit);
    std::fflush(stdout);
}

// FNV-1a, 64 bits (as bench::HashOf), over bytes handed over in pieces.
struct Hash {
    std::uint64_t value = 1469598103934665603ull;
    std::uint64_t bytes = 0;
    void add(std::string_view piece) {
        std::uint64_t h = value;
        for (char c : piece) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        value = h;
        bytes += piece.size();
    }
    bool operator==(const Hash& o) const { return value == o.value && bytes == o.bytes; }
};

struct CloseFile {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, CloseFile>;

// Closes the file and tells whether everything written to it reached it.
bool closeWritten(File& f) {
    const bool ok = !std::ferror(f.get());
    return std::fclose(f.release()) == 0 && ok;
}

// Removes the files when the run ends, whichever way it ends.
struct RemoveAtExit {
    std::vector<fs::path> paths;
    ~RemoveAtExit() {
        std::error_code ec;
        for (const fs::path& p : paths) fs::remove(p, ec);
    }
};

// ---- the generated file ------------------------------------------------------------------
// Lines of code, comments and string literals, 0 to about 120 bytes with their CRLF; the
// comments and literals carry 2-, 3- and 4-byte UTF-8 characters.
std::string makeLine(std::mt19937& rng) {
    static const char* const kWords[] = {"int", "return", "value", "index", "for", "while", "if", "const",
                                         "std::string", "buffer", "offset", "count", "lineStart", "nullptr",
                                         "0x2100", "=", "+", "->", "&&", "(", ")", "{", "}", ";", "[i]"};
    static const char* const kUtf8[] = {"na\xC3\xAFve", "gr\xC3\xB6\xC3\x9F" "e", "\xE2\x86\x92",
                                        "\xC2\xAB" "quoted" "\xC2\xBB", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E",
                                        "\xCE\xBB", "\xF0\x9F\x98\x80", "caf\xC3\xA9"};
    const auto pick = [&rng](const auto& words) { return words[rng() % (sizeof words / sizeof *words)]; };
    const unsigned kind = rng() % 16;
    std::string s(kind == 0 ? 0 : (rng() % 6) * 4, ' ');
    const std::size_t length = s.size() + 8 + rng() % 100;
    if (kind == 0) {
        // an empty line
    } else if (kind <= 2) {
        s += "//";
        while (s.size() < length) (s += ' ') += (rng() % 3 ? pick(kWords) : pick(kUtf8));
    } else if (kind == 3) {
        s += "label = \"";
        while (s.size() < length) (s += pick(kUtf8)) += ' ';
        s += "\";";
    } else {
        while (s.size() < length) (s += pick(kWords)) += ' ';
    }
    return s + "\r\n";
}

// Writes `size` bytes of generated lines to `path` in pieces of a megabyte; `hash` gets
// the bytes, `lineEnds` their count of CRLFs. False when the file cannot be written.
bool writeFile(const fs::path& path, std::uint64_t size, Hash& hash, std::uint64_t& lineEnds) {
    File f(std::fopen(path.string().c_str(), "wb"));
    if (!f) return false;
    // A pool of distinct lines, picked at random: generating costs little beside writing.
    std::mt19937 rng(1);
    std::vector<std::string> pool(4096);
    for (std::string& s : pool) s = makeLine(rng);
    std::string piece;
    piece.reserve(kMB + 256);
    lineEnds = 0;
    std::uint64_t written = 0;
    while (written < size) {
        piece.clear();
        while (piece.size() < kMB && written + piece.size() < size) {
            const std::string& line = pool[rng() % pool.size()];
            const std::uint64_t room = size - written - piece.size();
            if (line.size() <= room) {
                piece += line;
            } else if (room >= 2) {  // the last line, cut to the size: ASCII, so no character is cut
                piece.append(static_cast<std::size_t>(room - 2), 'x');
                piece += "\r\n";
            } else {
                piece.append(static_cast<std::size_t>(room), 'x');
                continue;
            }
            ++lineEnds;
        }
        if (std::fwrite(piece.data(), 1, piece.size(), f.get()) != piece.size()) return false;
        hash.add(piece);
        written += piece.size();
    }
    return closeWritten(f);
}

// ---- memory ------------------------------------------------------------------------------
// The process's peak resident memory in bytes, or 0 where it is not known.
std::uint64_t peakResidentBytes() {
#ifdef __linux__
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, 6, "VmHWM:") == 0) return std::strtoull(line.c_str() + 6, nullptr, 10) * 1024;
#endif
    return 0;
}

void reportPeak(bench::Report& report, const std::string& what, std::uint64_t fileBytes) {
    if (const std::uint64_t peak = peakResidentBytes())
        report.Value(what, double(peak) / double(fileBytes), "x", 1.5);
}

// ---- typing ------------------------------------------------------------------------------
const char kTyped[] = "for (int i = 0; i < count; ++i) total += value[i];\n";

std::string typedText(std::size_t count) {
    std::string s;
    for (std::size_t i = 0; i < count; ++i) s += kTyped[i % (sizeof kTyped - 1)];
    return s;
}

// Types `count` characters at `pos`, one insert each; returns the time of each (ms).
std::vector<double> typeAt(corvex::TextDocument& doc, std::size_t pos, std::size_t count) {
    std::vector<double> times;
    for (std::size_t i = 0; i < count; ++i, ++pos) {
        const char c = kTyped[i % (sizeof kTyped - 1)];
        const auto t = Clock::now();
        doc.insert(pos, std::string_view(&c, 1), corvex::Selection(pos), corvex::Selection(pos + 1),
                   corvex::EditKind::Typing);
        times.push_back(msSince(t));
    }
    return times;
}

int run(std::uint64_t mb, const fs::path& folder) {
    bench::Report report;
    const std::uint64_t fileBytes = mb * kMB;
    const fs::path path = folder / "quillet_huge_file_bench.txt";
    const fs::path savedPath = folder / "quillet_huge_file_bench_saved.txt";
    RemoveAtExit removeAtExit{{path, savedPath}};
    {
        // Files a killed run left behind do not count against the room.
        std::error_code ec;
        fs::remove(path, ec);
        fs::remove(savedPath, ec);
    }

    std::error_code ec;
    const fs::space_info space = fs::space(folder, ec);
    if (ec) {
        std::printf("huge file benchmark: cannot tell the free room in %s: %s\n", folder.string().c_str(),
                    ec.message().c_str());
        return 1;
    }
    const std::uint64_t neededMB = 2 * mb + 256;  // the file, its saved copy and a margin
    if (space.available / kMB < neededMB) {
        std::printf("huge file benchmark skipped: a %llu MB file and its saved copy in %s needs %llu MB free, "
                    "has %llu MB\n",
                    static_cast<unsigned long long>(mb), folder.string().c_str(),
                    static_cast<unsigned long long>(neededMB),
                    static_cast<unsigned long long>(space.available / kMB));
        return 0;
    }

    std::printf("Huge file: %llu MB of generated UTF-8 code-like lines, CRLF, in %s (%d-bit build):\n",
                static_cast<unsigned long long>(mb), folder.string().c_str(), int(sizeof(void*) * 8));
    Hash written;
    std::uint64_t lineEnds = 0;
    auto t = Clock::now();
    if (!report.Check(writeFile(path, fileBytes, written, lineEnds), "the file is written: " + path.string()))
        return report.ExitCode();
    figure("write the generated file (with its hash)", msSince(t) / 1000.0, "s");

    // ---- load
    std::printf("Load (read in pieces into the buffer, then into the document):\n");
    corvex::TextDocument doc;
    corvex::FileFormat format;
    t = Clock::now();
    {
        File f(std::fopen(path.string().c_str(), "rb"));
        if (!report.Check(f != nullptr, "the file opens for reading"))
            return report.ExitCode();
        const corvex::ReadPiece read = [&f](char* dst, std::size_t capacity) {
            return std::fread(dst, 1, capacity, f.get());
        };
        const auto rewind = [&f] { return std::fseek(f.get(), 0, SEEK_SET) == 0; };
        corvex::TextBuffer text;
        if (!report.Check(corvex::readFileInto(read, rewind, nullptr, text, format), "the file is read"))
            return report.ExitCode();
        doc.load(std::move(text));
    }
    const double loadMs = msSince(t);
    figure("load time", loadMs, "ms");
    report.Value("load time per 100 MB", loadMs * 100.0 / double(mb), "ms", 300);
    report.Note(std::to_string(doc.buffer().lineCount()) + " lines, encoding " +
                corvex::encodingName(format.encoding) + ", line ends " + corvex::lineEndName(format.lineEnd));
    reportPeak(report, "peak resident memory after loading, times the file size", fileBytes);
    report.Check(format.encoding == corvex::Encoding::Utf8 && format.lineEnd == corvex::LineEnd::CRLF,
                 "the file is taken as UTF-8 with CRLF line ends");
    report.Check(doc.buffer().lineCount() == lineEnds + 1, "one line per line end written, and the last");
    report.Check(!doc.canUndo() && !doc.isModified(), "a loaded document has no history and is unmodified");
    const std::size_t loadedSize = doc.size();

    // ---- typing, then undo
    std::printf("Typing, one insert per character (undo recorded), then undo:\n");
    const std::size_t end = doc.size();
    report.Times("100 characters at the end", typeAt(doc, end, 100), 2, 16);
    doc.breakGroup();
    const std::size_t middle = doc.buffer().lineStart(doc.buffer().lineCount() / 2);
    report.Times("100 characters in the middle", typeAt(doc, middle, 100), 2, 16);
    const std::string typed = typedText(100);
    report.Check(doc.size() == loadedSize + 200 && doc.buffer().text(middle, 100) == typed &&
                     doc.buffer().text(end + 100, 100) == typed,
                 "the typed characters stand where they were typed");
    std::size_t steps = 0;
    t = Clock::now();
    for (; doc.canUndo(); ++steps) doc.undo();
    figure("undo all (" + std::to_string(steps) + " steps)", msSince(t), "ms");
    report.Check(doc.size() == loadedSize && !doc.isModified(), "undo gives back the loaded document");

    // ---- save
    std::printf("Save (written in pieces to a second file):\n");
    Hash saved;
    double hashMs = 0;
    bool savedOk = false;
    t = Clock::now();
    {
        File f(std::fopen(savedPath.string().c_str(), "wb"));
        if (f) {
            const bool encoded = corvex::encodeFileInPieces(
                doc.buffer(), format.encoding, format.lineEnd, nullptr, [&](std::string_view piece) {
                    const auto h = Clock::now();
                    saved.add(piece);
                    hashMs += msSince(h);
                    return std::fwrite(piece.data(), 1, piece.size(), f.get()) == piece.size();
                });
            savedOk = closeWritten(f) && encoded;
        }
    }
    const double saveMs = msSince(t) - hashMs;
    report.Check(savedOk, "the document is saved to " + savedPath.string());
    figure("save time (encode and write, the hashing left out)", saveMs, "ms");
    figure("save time per 100 MB", saveMs * 100.0 / double(mb), "ms");
    const bool equal = saved == written && fs::file_size(savedPath, ec) == fileBytes;
    report.Check(equal, "the saved bytes are the file's (size and hash)");
    std::printf("  bytes equal to the file: %s\n", equal ? "yes" : "NO (MISMATCH)");
    reportPeak(report, "peak resident memory of the whole run, times the file size", fileBytes);
    return report.ExitCode();
}

} // namespace

int main(int argc, char** argv) {
    const std::uint64_t mb = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : sizeof(void*) == 4 ? 1228 : 3072;
    if (mb == 0) {
        std::fprintf(stderr, "usage: bench_huge_file [megabytes] [folder]\n");
        return 2;
    }
    std::error_code ec;
    const fs::path folder = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path(ec);
    try {
        return run(mb, folder);
    } catch (const std::bad_alloc&) {
        std::printf("  MISMATCH: out of memory (std::bad_alloc)\n");
    } catch (const std::exception& e) {
        std::printf("  MISMATCH: %s\n", e.what());
    }
    return 1;
}
