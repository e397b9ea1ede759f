// Benchmark of the Corvex control as the program uses it: a real window, real painting.
//   bench_corvex_view [megabytes=100]
// Generates a source-like file of about 50 bytes a line, loads it into a control inside a
// visible window, and prints each figure beside its target: load to the first painted
// screen, memory, typing with repaint at the end, middle and start, Ctrl+End with paint,
// save; colouring (jumps, typing with relex) and finding in a C++ file of the same size;
// then a 10 MB file of one line (open, scroll, edit) and a 10 MB ordinary file.
#include "corvex/include/corvex.h"

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0 : samples[samples.size() / 2];
}

void Report(const char* what, double value, const char* unit, double target, const char* targetText)
{
    std::printf("  %-44s %10.2f %-3s (target %s) %s\n", what, value, unit, targetText,
                value <= target ? "ok" : "MISSED");
}

std::size_t PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

std::string TempPath(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

void WriteSourceFile(const std::string& path, std::size_t bytes)
{
    static const char* const kLines[] = {
        "    for (int index = 0; index < count; ++index) {",
        "        total += values[index] * weights[index];",
        "    }",
        "    // Accumulate the weighted sum of the samples here.",
        "static int helper(const char* text, size_t length)",
        "{",
        "    return printf(\"%s: %d\\n\", text, (int)length);",
        "}",
        "",
        "\tif (flags & OPTION_VERBOSE) report(state, \"done\");",
    };
    std::ofstream out(path, std::ios::binary);
    std::string chunk;
    std::size_t written = 0, k = 0;
    while (written < bytes) {
        chunk.clear();
        while (chunk.size() < (1u << 20)) {
            chunk += kLines[k++ % 10];
            chunk += "\r\n";
        }
        out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        written += chunk.size();
    }
}

class Bench {
public:
    Bench()
    {
        CorvexInitialize(corvex::kInitFlags);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "CorvexBench";
        RegisterClassA(&wc);
        frame_ = CreateWindowExA(0, "CorvexBench", "Corvex bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1000, 700,
                                 nullptr, nullptr, wc.hInstance, nullptr);
        NewControl();
    }
    ~Bench()
    {
        DestroyWindow(frame_);
        CorvexShutdown();
    }

    void NewControl()
    {
        if (control_)
            DestroyWindow(control_);
        RECT client;
        GetClientRect(frame_, &client);
        control_ = CreateWindowExA(0, corvex::kClassName, "", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0,
                                   client.right, client.bottom, frame_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(corvex::kControlId)), nullptr, nullptr);
        SetFocus(control_);
        Pump();
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageA(control_, message, wParam, lParam);
    }

    // Load and paint; milliseconds, or -1 when the load failed.
    double Load(const std::string& path)
    {
        const Clock::time_point start = Clock::now();
        if (Send(corvex::LoadFile, 0, reinterpret_cast<LPARAM>(path.c_str())) != 1)
            return -1;
        Paint();
        return MillisecondsSince(start);
    }

    void Paint()
    {
        UpdateWindow(control_);
        GdiFlush();
    }

    double Key(UINT key, bool ctrl)
    {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(state);
        const Clock::time_point start = Clock::now();
        SendMessageW(control_, WM_KEYDOWN, key, 1);
        Paint();
        const double ms = MillisecondsSince(start);
        state[VK_CONTROL] = 0;
        SetKeyboardState(state);
        return ms;
    }

    // Median of typing `count` characters at `offset`, each with its repaint.
    double TypeAt(std::size_t offset, int count)
    {
        Send(corvex::SelectRange, offset, offset);
        Paint();
        std::vector<double> samples;
        for (int k = 0; k < count; ++k) {
            const Clock::time_point start = Clock::now();
            SendMessageW(control_, WM_CHAR, k % 10 == 9 ? L' ' : L'a' + k % 26, 1);
            Paint();
            samples.push_back(MillisecondsSince(start));
        }
        return Median(samples);
    }

    double Save(const std::string& path)
    {
        const Clock::time_point start = Clock::now();
        const bool saved = Send(corvex::SaveFile, 0, reinterpret_cast<LPARAM>(path.c_str())) == 1;
        return saved ? MillisecondsSince(start) : -1;
    }

    std::size_t Size() { return static_cast<std::size_t>(Send(corvex::GetText, 0, 0)); }

    void Pump()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

private:
    HWND frame_ = nullptr;
    HWND control_ = nullptr;
};

void LargeFile(Bench& bench, std::size_t megabytes)
{
    const std::string path = TempPath("corvex-bench-large.c");
    const std::string saved = TempPath("corvex-bench-large-saved.c");
    const std::size_t fileBytes = megabytes << 20;
    WriteSourceFile(path, fileBytes);
    std::printf("Corvex control, %zu MB source file (about %zu lines), under Wine:\n", megabytes, fileBytes / 50);
    const std::size_t before = PrivateBytes();
    const double load = bench.Load(path);
    if (load < 0) {
        std::printf("  the file could not be loaded\n");
        return;
    }
    const double memory = static_cast<double>(PrivateBytes() - before) / static_cast<double>(fileBytes);
    Report("load (3324) to first painted screen", load, "ms", 1000, "<= 1000 ms");
    Report("memory after load, times the file size", memory, "x", 1.5, "<= 1.5x");

    const std::size_t size = bench.Size();
    Report("typed character with repaint, at the end", bench.TypeAt(size, 200), "ms", 2, "median <= 2 ms");
    Report("typed character with repaint, in the middle", bench.TypeAt(bench.Size() / 2, 200), "ms", 2,
           "median <= 2 ms");
    Report("typed character with repaint, at the start", bench.TypeAt(0, 200), "ms", 2, "median <= 2 ms");

    std::vector<double> jumps;
    for (int k = 0; k < 9; ++k) {
        bench.Key(VK_HOME, true);
        jumps.push_back(bench.Key(VK_END, true));
    }
    Report("Ctrl+End with paint (median of 9)", Median(jumps), "ms", 20, "<= 20 ms");
    Report("Ctrl+End with paint (slowest of 9)", *std::max_element(jumps.begin(), jumps.end()), "ms", 20, "<= 20 ms");
    std::vector<double> pages;
    for (int k = 0; k < 50; ++k)
        pages.push_back(bench.Key(VK_PRIOR, false));
    Report("Page Up with paint (median of 50)", Median(pages), "ms", 20, "<= 20 ms");

    const double save = bench.Save(saved);
    Report("save (3334)", save < 0 ? 1e9 : save, "ms", 1000, "<= 1000 ms");
    DeleteFileA(saved.c_str());
    DeleteFileA(path.c_str());
}

// Colouring and searching a C++ file of `megabytes`: jumps far from what was lexed,
// typing with relex and repaint in the middle, a search through the whole file.
void SyntaxAndSearch(Bench& bench, std::size_t megabytes)
{
    const std::string path = TempPath("corvex-bench-syntax.cpp");
    WriteSourceFile(path, megabytes << 20);
    bench.NewControl();
    std::printf("%zu MB C++ file, coloured:\n", megabytes);
    bench.Send(corvex::SetLanguage, 0, reinterpret_cast<LPARAM>("C/C++"));
    if (bench.Load(path) < 0) {
        std::printf("  the file could not be loaded\n");
        return;
    }
    const std::size_t size = bench.Size();
    std::vector<double> jumps;
    for (int k = 1; k <= 9; ++k) {
        const std::size_t at = size / 2 + static_cast<std::size_t>(k) * (size / 40);
        const Clock::time_point start = Clock::now();
        bench.Send(corvex::SelectRange, at, at);
        bench.Paint();
        jumps.push_back(MillisecondsSince(start));
    }
    Report("first paint after a jump to the middle (median of 9)", Median(jumps), "ms", 20, "<= 20 ms");
    Report("first paint after a jump to the middle (slowest)", *std::max_element(jumps.begin(), jumps.end()), "ms",
           20, "<= 20 ms");

    const std::size_t lexedBefore = static_cast<std::size_t>(bench.Send(corvex::GetLinesLexed));
    Report("keystroke in the middle, relex and repaint", bench.TypeAt(size / 2, 200), "ms", 2, "median <= 2 ms");
    const double perKey =
        static_cast<double>(static_cast<std::size_t>(bench.Send(corvex::GetLinesLexed)) - lexedBefore) / 200.0;
    std::printf("  %-44s %10.1f lines per keystroke (guessed states in the middle)\n", "lines lexed", perKey);

    bench.Send(corvex::SelectRange, 0, 0);
    Clock::time_point start = Clock::now();
    const LRESULT found = bench.Send(corvex::FindText, 0, reinterpret_cast<LPARAM>("absent from the file"));
    Report("find a missing text across the whole file", MillisecondsSince(start) + (found ? 1e9 : 0), "ms", 1000,
           "<= 1000 ms");
    bench.Send(corvex::SelectRange, 0, 0);
    bench.Send(corvex::SetCaseSensitive, 0);
    bench.Send(corvex::SetWholeWord, 1);
    start = Clock::now();
    bench.Send(corvex::FindText, 1, reinterpret_cast<LPARAM>("HELPER"));
    bench.Paint();
    Report("find previous from the start (wraps), whole word", MillisecondsSince(start), "ms", 1000, "<= 1000 ms");
    DeleteFileA(path.c_str());
}

void SingleLine(Bench& bench)
{
    const std::string path = TempPath("corvex-bench-line.txt");
    std::string line(10u << 20, 'x');
    for (std::size_t k = 7; k < line.size(); k += 8)
        line[k] = ' ';
    std::ofstream(path, std::ios::binary) << line;
    line.clear();
    line.shrink_to_fit();
    bench.NewControl();
    std::printf("10 MB file of a single line:\n");
    Report("open with paint", bench.Load(path), "ms", 1000, "< 1000 ms");
    Report("End (scroll to the far right) with paint", bench.Key(VK_END, false), "ms", 1000, "< 1000 ms");
    Report("typed character at the end with repaint", bench.TypeAt(bench.Size(), 5), "ms", 1000, "< 1000 ms");
    Report("Home with paint", bench.Key(VK_HOME, false), "ms", 1000, "< 1000 ms");
    Report("typed character at the start with repaint", bench.TypeAt(0, 5), "ms", 1000, "< 1000 ms");
    Report("typed character in the middle with repaint", bench.TypeAt(5u << 20, 5), "ms", 1000, "< 1000 ms");
    DeleteFileA(path.c_str());
}

void TenMegabytes(Bench& bench)
{
    const std::string path = TempPath("corvex-bench-10mb.c");
    WriteSourceFile(path, 10u << 20);
    bench.NewControl();
    std::printf("10 MB source file:\n");
    Report("open with paint (Wine's notepad: about 10 s)", bench.Load(path), "ms", 1000, "< 1000 ms");
    DeleteFileA(path.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    const std::size_t megabytes = argc > 1 ? static_cast<std::size_t>(std::max(1, std::atoi(argv[1]))) : 100;
    Bench bench;
    LargeFile(bench, megabytes);
    SyntaxAndSearch(bench, megabytes);
    SingleLine(bench);
    TenMegabytes(bench);
    return 0;
}
