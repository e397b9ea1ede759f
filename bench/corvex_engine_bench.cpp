// Benchmark of the Corvex text engine alone (no window, no painting), natively.
//   bench_corvex_engine [megabytes=50] [lines=1000000]
// Loads a generated source-like file, types 100k characters in the middle, looks lines
// up, undoes everything, saves, and opens a 10 MB single-line file; prints each figure
// with its target where there is one. Heap figures count every operator new
// of the process (the file's bytes, the decoded text, buffer, index and history).
#include "corvex/engine/file_codec.h"
#include "corvex/engine/text_document.h"
#include "corvex/engine/text_ops.h"
#include "corvex/lex/lex_state_cache.h"
#include "corvex/lex/lexer_registry.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <random>
#include <string>
#include <vector>

// ---- heap accounting ------------------------------------------------------------------
namespace {
std::size_t g_current = 0, g_peak = 0;
constexpr std::size_t kHeader = 16;

void* countedAlloc(std::size_t n) {
    void* p = std::malloc(n + kHeader);
    if (!p) throw std::bad_alloc();
    *static_cast<std::size_t*>(p) = n;
    g_current += n;
    if (g_current > g_peak) g_peak = g_current;
    return static_cast<char*>(p) + kHeader;
}
void countedFree(void* q) {
    if (!q) return;
    void* p = static_cast<char*>(q) - kHeader;
    g_current -= *static_cast<std::size_t*>(p);
    std::free(p);
}
} // namespace

void* operator new(std::size_t n) { return countedAlloc(n); }
void* operator new[](std::size_t n) { return countedAlloc(n); }
void operator delete(void* p) noexcept { countedFree(p); }
void operator delete[](void* p) noexcept { countedFree(p); }
void operator delete(void* p, std::size_t) noexcept { countedFree(p); }
void operator delete[](void* p, std::size_t) noexcept { countedFree(p); }

// ---- helpers --------------------------------------------------------------------------
namespace {

using Clock = std::chrono::steady_clock;
double msSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

std::string makeSource(std::size_t targetBytes, std::size_t lines) {
    static const char* words[] = {"int", "return", "value", "index", "for", "while", "if", "const", "std::string",
                                  "buffer", "offset", "=", "+", "(", ")", "{", "}", ";", "0x2100", "lineStart"};
    const std::size_t perLine = targetBytes / lines;  // bytes per line, CRLF included
    std::string s;
    s.reserve(targetBytes + 256);
    std::mt19937 rng(1);
    for (std::size_t l = 0; l < lines; ++l) {
        const std::size_t start = s.size();
        s.append((l % 4) * 4, ' ');
        while (s.size() - start + 2 < perLine) {
            s += words[rng() % 20];
            s += ' ';
        }
        s.resize(start + perLine - 2);
        s += "\r\n";
    }
    return s;
}

std::uint64_t hashOf(const corvex::TextBuffer& b) {
    std::uint64_t h = 1469598103934665603ULL;
    const std::size_t chunk = 1 << 20;
    for (std::size_t pos = 0; pos < b.size(); pos += chunk)
        for (char c : b.text(pos, chunk)) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    return h;
}

// Reads a file into a string with `spare` bytes of extra capacity.
std::string readFile(const std::string& path, std::size_t spare = 0) {
    std::ifstream f(path, std::ios::binary);
    f.seekg(0, std::ios::end);
    const std::size_t n = static_cast<std::size_t>(f.tellg());
    f.seekg(0);
    std::string s;
    s.reserve(n + spare);
    s.resize(n);
    f.read(&s[0], static_cast<std::streamsize>(n));
    return s;
}

struct Stats {
    double median, p99, max, total;
};
Stats stats(std::vector<double> v) {
    Stats s{0, 0, 0, 0};
    if (v.empty()) return s;
    for (double x : v) s.total += x;
    std::sort(v.begin(), v.end());
    s.median = v[v.size() / 2];
    s.p99 = v[std::min(v.size() - 1, v.size() * 99 / 100)];
    s.max = v.back();
    return s;
}

const char kTyped[] = "for (int i = 0; i < count; ++i) total += value[i];\n";

// Types `count` characters at `pos`, one keystroke at a time; returns per-key times (ms).
std::vector<double> typeAt(corvex::TextDocument& doc, std::size_t pos, std::size_t count) {
    std::vector<double> times;
    times.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const char c = kTyped[i % (sizeof(kTyped) - 1)];
        const auto t = Clock::now();
        doc.insert(pos, std::string_view(&c, 1), corvex::Selection(pos), corvex::Selection(pos + 1),
                   corvex::EditKind::Typing);
        times.push_back(msSince(t));
        ++pos;
    }
    return times;
}

void line(const char* what, double value, const char* unit, const char* target = nullptr) {
    std::printf("  %-46s %12.3f %-6s%s%s\n", what, value, unit, target ? "  target: " : "", target ? target : "");
}

} // namespace

int main(int argc, char** argv) {
    bool mismatch = false;  // a text or file that does not check out fails the run
    const std::size_t mb = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 50;
    const std::size_t lines = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1000000;
    const std::string path = (std::filesystem::temp_directory_path() / "corvex_bench_input.txt").string();
    {
        const std::string src = makeSource(mb << 20, lines);
        std::ofstream(path, std::ios::binary).write(src.data(), static_cast<std::streamsize>(src.size()));
    }
    const std::size_t fileBytes = std::filesystem::file_size(path);
    std::printf("corvex engine benchmark (native, no painting): %zu bytes, %zu lines, CRLF, ASCII\n", fileBytes,
                lines);

    // ---- load
    corvex::TextDocument doc;
    corvex::Encoding enc;
    corvex::LineEnd le;
    g_peak = g_current;
    const std::size_t base = g_current;
    auto t = Clock::now();
    {
        // As the control loads: in pieces, straight into blocks.
        std::FILE* file = std::fopen(path.c_str(), "rb");
        corvex::TextBuffer text;
        corvex::FileFormat format;
        const bool read = file && corvex::readFileInto(
                                      [&](char* dst, std::size_t n) { return std::fread(dst, 1, n, file); },
                                      [&] { return std::fseek(file, 0, SEEK_SET) == 0; }, nullptr, text, format);
        if (file) std::fclose(file);
        mismatch = mismatch || !read;
        enc = format.encoding;
        le = format.lineEnd;
        doc.load(std::move(text));
    }
    const double loadMs = msSince(t);
    const double peakLoad = double(g_peak - base) / double(fileBytes);
    const double steady = double(g_current - base) / double(fileBytes);
    std::printf("load (read + decode + index):\n");
    line("load time", loadMs, "ms", "<= 300 ms for 100 MB natively");
    line("load time scaled to 100 MB", loadMs * (100.0 * (1 << 20)) / double(fileBytes), "ms", "<= 300 ms");
    line("peak heap / file byte during load", peakLoad, "x", "<= 1.5 x");
    line("heap / file byte after load", steady, "x", "<= 1.5 x");
    line("lines", double(doc.buffer().lineCount()), "");
    std::printf("  encoding %s, line ends %s\n", corvex::encodingName(enc), corvex::lineEndName(le));
    const std::uint64_t loadedHash = hashOf(doc.buffer());

    // ---- typing in the middle
    const std::size_t middle = doc.buffer().lineStart(doc.buffer().lineCount() / 2);
    const Stats mid = stats(typeAt(doc, middle, 100000));
    std::printf("type 100000 characters in the middle (one keystroke each, with undo recording):\n");
    line("total", mid.total, "ms");
    line("median per keystroke", mid.median * 1000.0, "us", "<= 2 ms with repaint");
    line("99th percentile", mid.p99 * 1000.0, "us");
    line("max (first keystroke moves the gap)", mid.max, "ms");
    line("undo steps recorded", double(doc.undoSteps()), "");
    line("undo history heap", double(doc.historyBytes()) / 1024.0, "KiB");
    line("heap / file byte after typing", double(g_current - base) / double(fileBytes), "x", "<= 1.5 x");

    // ---- typing at the start and at the end after a jump
    doc.breakGroup();
    const Stats atStart = stats(typeAt(doc, 0, 1000));
    doc.breakGroup();
    const Stats atEnd = stats(typeAt(doc, doc.size(), 1000));
    std::printf("type 1000 characters after jumping to the start / the end:\n");
    line("start: median", atStart.median * 1000.0, "us", "<= 2 ms with repaint");
    line("start: first keystroke (gap move)", atStart.max, "ms");
    line("end: median", atEnd.median * 1000.0, "us", "<= 2 ms with repaint");
    line("end: first keystroke (gap move)", atEnd.max, "ms");

    // ---- line lookups
    {
        const corvex::TextBuffer& b = doc.buffer();
        std::mt19937 rng(5);
        const int n = 1000000;
        std::vector<std::size_t> offsets(n), lineNos(n);
        for (int i = 0; i < n; ++i) offsets[i] = rng() % b.size(), lineNos[i] = rng() % b.lineCount();
        std::size_t sink = 0;
        t = Clock::now();
        for (int i = 0; i < n; ++i) sink += b.lineOfOffset(offsets[i]);
        const double ofOffset = msSince(t);
        t = Clock::now();
        for (int i = 0; i < n; ++i) sink += b.lineStart(lineNos[i]) + b.lineLength(lineNos[i]);
        const double start = msSince(t);
        // A screen of 60 lines at a random place, as a paint fetches it.
        t = Clock::now();
        for (int s = 0; s < 1000; ++s) {
            const std::size_t first = rng() % (b.lineCount() - 60);
            for (std::size_t l = first; l < first + 60; ++l) sink += b.text(b.lineStart(l), b.lineLength(l)).size();
        }
        const double screens = msSince(t);
        t = Clock::now();
        const std::size_t last = b.lineCount() - 1;
        sink += b.lineStart(last) + columnOfOffset(b, b.size(), 4, false);
        const double ctrlEnd = msSince(t);
        std::printf("line lookups (1,000,000 random each):\n");
        line("lineOfOffset", ofOffset * 1e6 / n, "ns");
        line("lineStart + lineLength", start * 1e6 / n, "ns");
        line("fetch a 60-line screen", screens, "us");
        line("Ctrl+End (last line start and caret column)", ctrlEnd, "ms", "<= 20 ms with paint");
        if (sink == 42) std::printf(" ");
    }

    // ---- lexer states learned through the whole text (as after a "/*" on the first line,
    // which changes every later line's state)
    {
        corvex::lex::LexStateCache states;
        const corvex::TextBuffer& b = doc.buffer();
        const auto learnAll = [&] {
            states.reset(corvex::lex::lexerByName("C/C++"), b.lineCount());
            t = Clock::now();
            states.catchUp(b.lineCount() - 1, b, b.lineCount());
            return msSince(t) * 1e6 / double(b.lineCount());
        };
        const double code = learnAll();
        doc.breakGroup();
        doc.insert(0, "/*", corvex::Selection(0), corvex::Selection(2), corvex::EditKind::Typing);
        const double comment = learnAll();
        doc.undo();
        std::printf("lexer states for every line, per million lines (%zu lines):\n", b.lineCount());
        line("code", code, "ms", "3.1 M lines well within 1 s");
        line("after a \"/*\" on the first line: all comment", comment, "ms", "3.1 M lines well within 1 s");
    }

    // ---- undo all
    {
        std::size_t steps = 0;
        t = Clock::now();
        while (doc.canUndo()) {
            doc.undo();
            ++steps;
        }
        const double undoMs = msSince(t);
        std::printf("undo all:\n");
        line("undo steps", double(steps), "");
        line("total", undoMs, "ms");
        const bool back = hashOf(doc.buffer()) == loadedHash;
        mismatch = mismatch || !back || doc.isModified();
        std::printf("  text back to the loaded one: %s, modified: %s\n", back ? "yes" : "NO (MISMATCH)",
                    doc.isModified() ? "yes (MISMATCH)" : "no");
    }

    // ---- save
    {
        t = Clock::now();
        const std::string out = corvex::encodeFile(doc.buffer(), enc, le);
        const double encodeMs = msSince(t);
        std::printf("save (encode to bytes, no disk write):\n");
        line("encode time", encodeMs, "ms", "<= 1 s with the write");
        const bool equal = out == readFile(path);
        mismatch = mismatch || !equal;
        std::printf("  bytes equal to the file: %s\n", equal ? "yes" : "NO (MISMATCH)");
    }
    std::filesystem::remove(path);

    // ---- a 10 MB file of a single line
    {
        std::string one(10u << 20, 'x');
        for (std::size_t i = 0; i < one.size(); i += 7) one[i] = ' ';
        t = Clock::now();
        corvex::DecodedFile d = corvex::decodeFile(one);
        corvex::TextDocument single;
        single.load(std::move(d.text));
        const double load1 = msSince(t);
        t = Clock::now();
        const auto times = typeAt(single, single.size() / 2, 100);
        const double type1 = msSince(t);
        t = Clock::now();
        const std::size_t col = columnOfOffset(single.buffer(), single.size(), 4, false);
        const std::size_t back = offsetOfColumn(single.buffer(), 0, col / 2, 4, false);
        const double cols = msSince(t);
        t = Clock::now();
        const auto w = wordAt(single.buffer(), single.size() / 3);
        const double word = msSince(t);
        std::printf("10 MB single line:\n");
        line("load", load1, "ms", "every step < 1 s");
        line("type 100 characters in the middle", type1, "ms");
        line("column of the end + offset of a column", cols, "ms");
        line("double-click word", word, "ms");
        if (back + w.end == 1) std::printf(" ");
        (void)times;
    }
    return mismatch ? 1 : 0;
}
