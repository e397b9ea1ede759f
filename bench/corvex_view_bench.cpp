// Benchmark of the Corvex control as the program uses it: a real window, real painting,
// real files. Every timed figure is the median and the slowest of several runs beside its
// target; memory is the peak of a process that does nothing else; the text and the saved
// bytes are checked, and a mismatch fails the run (exit code 1).
//   bench_corvex_view [megabytes=100] [application folder]
// With an application folder (a copy of the staged program) it also times cold starts of
// Quillet.exe to its shown main window. Internal modes, run in a fresh process each:
//   bench_corvex_view --peak-open FILE OUT
//   bench_corvex_view --peak-replace FILE WORD REPLACEMENT OUT
#include "bench/bench_inputs.h"
#include "bench/bench_report.h"
#include "corvex/include/corvex.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string TempPath(const std::string& name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

PROCESS_MEMORY_COUNTERS Memory()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

// Milliseconds to commit and touch `bytes` of fresh memory, one write per page.
double TouchFreshMemory(std::size_t bytes)
{
    const Clock::time_point start = Clock::now();
    auto* memory = static_cast<volatile char*>(VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!memory)
        return 0;
    for (std::size_t at = 0; at < bytes; at += 4096)
        memory[at] = 1;
    const double ms = MillisecondsSince(start);
    VirtualFree(const_cast<char*>(memory), 0, MEM_RELEASE);
    return ms;
}

// One control in a visible window, driven as the program drives it.
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
    }
    ~Bench()
    {
        DestroyWindow(frame_);
        CorvexShutdown();
    }

    // A new control in place of the last one, coloured as C++ when `cpp`.
    void NewControl(bool cpp)
    {
        if (control_)
            DestroyWindow(control_);
        RECT client;
        GetClientRect(frame_, &client);
        control_ = CreateWindowExA(0, corvex::kClassName, "", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0,
                                   client.right, client.bottom, frame_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(corvex::kControlId)), nullptr, nullptr);
        Send(corvex::SetLanguage, 0, reinterpret_cast<LPARAM>(cpp ? "C/C++" : nullptr));
        Send(corvex::SetWordWrap, wrap_ ? 1 : 0);
        if (!skin_.empty())
            Send(corvex::SetSkinFolder, 0, reinterpret_cast<LPARAM>(skin_.c_str()));
        SetFocus(control_);
        Pump();
    }

    // The controls made from now on wrap lines at the window's width.
    void SetWrap(bool wrap) { wrap_ = wrap; }
    // The controls made from now on draw their scroll bars from the skin in `folder`.
    void SetSkin(const std::string& folder) { skin_ = folder; }

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

    // A key with its repaint; milliseconds.
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

    // A typed character with its repaint; milliseconds.
    double Type(wchar_t c)
    {
        const Clock::time_point start = Clock::now();
        SendMessageW(control_, WM_CHAR, c, 1);
        Paint();
        return MillisecondsSince(start);
    }

    void Place(std::size_t offset)
    {
        Send(corvex::SelectRange, offset, offset);
        Paint();
    }

    std::size_t Size() { return static_cast<std::size_t>(Send(corvex::GetText, 0, 0)); }

    std::string Text()
    {
        std::string text(Size(), '\0');
        if (!text.empty())
            Send(corvex::GetText, text.size(), reinterpret_cast<LPARAM>(&text[0]));
        return text;
    }

    // One step of the backup at `path`, at most `budget` bytes: its time, and whether
    // more is to come (`more`), or -1 when it failed.
    double BackupStep(const std::wstring& path, std::size_t budget, bool& more)
    {
        const Clock::time_point start = Clock::now();
        const LRESULT result = Send(corvex::BackupStep, budget, reinterpret_cast<LPARAM>(path.c_str()));
        more = result == 1;
        return result < 0 ? -1 : MillisecondsSince(start);
    }

    double Save(const std::string& path)
    {
        const Clock::time_point start = Clock::now();
        const bool saved = Send(corvex::SaveFile, 0, reinterpret_cast<LPARAM>(path.c_str())) == 1;
        return saved ? MillisecondsSince(start) : -1;
    }

    // The colours the client area shows, counted for a few colours of interest.
    std::vector<std::size_t> CountColours(const std::vector<COLORREF>& colours)
    {
        RECT client;
        GetClientRect(control_, &client);
        const int width = client.right, height = client.bottom;
        std::vector<std::size_t> counts(colours.size(), 0);
        HDC window = GetDC(control_);
        HDC memory = CreateCompatibleDC(window);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP picture = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (picture && bits) {
            HGDIOBJ previous = SelectObject(memory, picture);
            BitBlt(memory, 0, 0, width, height, window, 0, 0, SRCCOPY);
            GdiFlush();
            const auto* pixels = static_cast<const DWORD*>(bits);
            for (int k = 0; k < width * height; ++k) {
                const DWORD p = pixels[k];
                const COLORREF c = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
                for (std::size_t i = 0; i < colours.size(); ++i)
                    counts[i] += c == colours[i];
            }
            SelectObject(memory, previous);
        }
        if (picture)
            DeleteObject(picture);
        DeleteDC(memory);
        ReleaseDC(control_, window);
        return counts;
    }

    std::array<COLORREF, corvex::kColourCount> Colours()
    {
        std::array<COLORREF, corvex::kColourCount> block{};
        Send(corvex::GetColours, 0, reinterpret_cast<LPARAM>(block.data()));
        return block;
    }

    // Lets the program run its message loop for `ms` milliseconds with no input.
    void Idle(int ms)
    {
        const Clock::time_point start = Clock::now();
        while (MillisecondsSince(start) < ms) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
            Pump();
        }
    }

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
    bool wrap_ = false;
    std::string skin_;
};

// The inputs, written once: the C++ file, the same as UTF-16 LE, a 10 MB single line.
struct Inputs {
    std::string utf8Path = TempPath("corvex-bench.cpp");
    std::string utf16Path = TempPath("corvex-bench-utf16.cpp");
    std::string linePath = TempPath("corvex-bench-line.txt");
    std::string plainPath = TempPath("corvex-bench-line-comments.cpp");  // no block comments
    std::string savePath = TempPath("corvex-bench-saved.cpp");
    std::size_t bytes = 0;      // the file's
    std::size_t lines = 0;
    std::size_t textBytes = 0;  // the text's, as the control holds it (LF line ends)
    std::uint64_t hash = 0;     // of the text
    std::size_t frequent = 0;  // occurrences of kFrequentWord
    std::size_t lineBytes = 0;
    std::uint64_t lineHash = 0;
};

constexpr const char* kFrequentWord = "index";
constexpr const char* kReplacement = "position";

Inputs WriteInputs(std::size_t megabytes)
{
    Inputs in;
    {
        const std::string text = bench::CppSource(megabytes << 20, in.lines);
        in.bytes = text.size();
        const std::string lf = bench::WithoutCr(text);
        in.textBytes = lf.size();
        in.hash = bench::HashOf(lf);
        in.frequent = bench::CountOf(text, kFrequentWord);
        WriteWholeFile(in.utf8Path, text);
        WriteWholeFile(in.utf16Path, bench::Utf16LeOf(text));
    }
    {
        std::size_t lines = 0;
        WriteWholeFile(in.plainPath, bench::CppSource(megabytes << 20, lines, false));
    }
    std::string line(10u << 20, 'x');
    for (std::size_t k = 7; k < line.size(); k += 8)
        line[k] = ' ';
    in.lineBytes = line.size();
    in.lineHash = bench::HashOf(line);
    WriteWholeFile(in.linePath, line);
    return in;
}

// Runs this program again in `mode` and reads the numbers it writes.
std::vector<double> RunChild(const std::string& arguments)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string out = TempPath("corvex-bench-child.txt");
    DeleteFileA(out.c_str());
    std::string command = "\"" + std::string(self) + "\" " + arguments + " \"" + out + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<double> numbers;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return numbers;
    WaitForSingleObject(process.hProcess, 600000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::ifstream in(out);
    for (double value; in >> value;)
        numbers.push_back(value);
    DeleteFileA(out.c_str());
    return numbers;
}

// --peak-open FILE OUT: the peak commit and working set a load adds, in bytes.
int PeakOpen(const std::string& file, const std::string& out)
{
    Bench bench;
    bench.NewControl(true);
    const PROCESS_MEMORY_COUNTERS before = Memory();
    const bool loaded = bench.Load(file) >= 0;
    const PROCESS_MEMORY_COUNTERS after = Memory();
    std::ofstream(out) << (loaded ? static_cast<double>(after.PeakPagefileUsage - before.PagefileUsage) : -1) << ' '
                       << static_cast<double>(after.PeakWorkingSetSize - before.WorkingSetSize) << '\n';
    return 0;
}

// --peak-replace FILE WORD REPLACEMENT OUT: the peak a replace-all adds, and its count.
int PeakReplace(const std::string& file, const std::string& word, const std::string& replacement,
                const std::string& out)
{
    Bench bench;
    bench.NewControl(true);
    bench.Load(file);
    const PROCESS_MEMORY_COUNTERS before = Memory();
    corvex::ReplaceRequest request = {word.c_str(), replacement.c_str(), 1, 0};
    const LRESULT replaced = bench.Send(corvex::ReplaceText, 0, reinterpret_cast<LPARAM>(&request));
    bench.Paint();
    const PROCESS_MEMORY_COUNTERS after = Memory();
    std::ofstream(out) << static_cast<double>(after.PeakPagefileUsage - before.PagefileUsage) << ' '
                       << static_cast<double>(replaced) << '\n';
    return 0;
}

void Opening(Bench& bench, const Inputs& in, bench::Report& report)
{
    const double mb = static_cast<double>(in.bytes) / (1 << 20);
    std::printf("Opening a %.0f MB C++ file of %zu lines (counted; block comments and multi-line raw strings):\n",
                mb, in.lines);
    std::vector<double> utf8, utf16;
    for (int run = 0; run < 5; ++run) {
        bench.NewControl(true);
        utf8.push_back(bench.Load(in.utf8Path));
        if (run == 0) {
            const std::string text = bench.Text();
            report.Check(text.size() == in.textBytes && bench::HashOf(text) == in.hash,
                         "the UTF-8 file's text as loaded (" + std::to_string(text.size()) + " of " +
                             std::to_string(in.textBytes) + " bytes)");
        }
    }
    report.Times("open UTF-8 to the first painted screen", utf8, 300, 0);
    // What any editor that holds the text in memory pays first on this machine: the
    // operating system handing it that many bytes of fresh memory.
    std::vector<double> floor;
    for (int run = 0; run < 5; ++run)
        floor.push_back(TouchFreshMemory(in.textBytes));
    report.Times("(for comparison: touching that much fresh memory)", floor, 0, 0);
    for (int run = 0; run < 5; ++run) {
        bench.NewControl(true);
        utf16.push_back(bench.Load(in.utf16Path));
        if (run == 0) {
            const std::string text = bench.Text();
            report.Check(text.size() == in.textBytes && bench::HashOf(text) == in.hash,
                         "the UTF-16 file's text as loaded");
        }
    }
    report.Times("open UTF-16 LE to the first painted screen", utf16, 600, 0);
    const std::vector<double> peak = RunChild("--peak-open \"" + in.utf8Path + "\"");
    if (report.Check(peak.size() == 2 && peak[0] >= 0, "the peak-memory process loaded the file")) {
        report.Value("peak commit while opening, times the file size", peak[0] / static_cast<double>(in.bytes), "x",
                     1.3);
        report.Note("(peak working set while opening: " + std::to_string(peak[1] / static_cast<double>(in.bytes)) +
                    " x the file size)");
    }
}

void Typing(Bench& bench, const Inputs& in, bench::Report& report)
{
    std::printf("Typing into the %.0f MB C++ file, each character with its repaint:\n",
                static_cast<double>(in.bytes) / (1 << 20));
    bench.NewControl(true);
    if (!report.Check(bench.Load(in.utf8Path) >= 0, "the file loads for typing"))
        return;
    std::vector<double> all, afterEnd, afterHome;
    const std::size_t places[] = {bench.Size(), bench.Size() / 2, 0};
    for (std::size_t place : places) {
        bench.Place(place);
        for (int k = 0; k < 40; ++k)
            all.push_back(bench.Type(k % 10 == 9 ? L' ' : static_cast<wchar_t>(L'a' + k % 26)));
    }
    for (int run = 0; run < 7; ++run) {
        bench.Key(VK_END, true);
        afterEnd.push_back(bench.Type(L'e'));
        bench.Key(VK_HOME, true);
        afterHome.push_back(bench.Type(L'h'));
    }
    // As a person types: the jump is painted, and the program has a moment to itself
    // before the next key arrives (a fast typist's keys are 50 ms or more apart).
    std::vector<double> afterEndIdle, afterHomeIdle;
    for (int run = 0; run < 7; ++run) {
        bench.Key(VK_END, true);
        bench.Idle(30);
        afterEndIdle.push_back(bench.Type(L'e'));
        bench.Key(VK_HOME, true);
        bench.Idle(30);
        afterHomeIdle.push_back(bench.Type(L'h'));
    }
    report.Times("the first character after Ctrl+End, typed at once", afterEnd, 2, 16);
    report.Times("the first character after Ctrl+Home, typed at once", afterHome, 2, 16);
    report.Times("the first character after Ctrl+End, 30 ms later", afterEndIdle, 2, 16);
    report.Times("the first character after Ctrl+Home, 30 ms later", afterHomeIdle, 2, 16);
    for (const auto* figures : {&afterEnd, &afterHome, &afterEndIdle, &afterHomeIdle})
        all.insert(all.end(), figures->begin(), figures->end());
    report.Times("any character (end, middle, start, after far jumps)", all, 2, 16);
}

// "/*" typed on line 1 makes every later line a comment: how long the end of the file
// shows code colours, and how typing fares meanwhile; then the same for its removal. The
// file is the C++ file with line comments only, so that no "*/" ends the new comment.
void StateChange(Bench& bench, const Inputs& in, bench::Report& report)
{
    std::printf("A comment opened on line 1 of the %.0f MB C++ file with line comments only (every later line\n"
                "changes state):\n",
                static_cast<double>(in.bytes) / (1 << 20));
    bench.NewControl(true);
    if (!report.Check(bench.Load(in.plainPath) >= 0, "the file loads for the state change"))
        return;
    const auto colours = bench.Colours();
    const std::vector<COLORREF> watched = {colours[corvex::ColourKeyword], colours[corvex::ColourComment],
                                           colours[corvex::ColourString]};
    // Code colours on the screen: keywords or strings; comment colours: only comments.
    const auto showsComment = [&] {
        const auto counts = bench.CountColours(watched);
        return counts[0] == 0 && counts[2] == 0 && counts[1] > 0;
    };
    const auto showsCode = [&] {
        const auto counts = bench.CountColours(watched);
        return counts[0] > 0;
    };
    std::vector<double> typing, opening, closing;
    for (int run = 0; run < 3; ++run) {
        bench.Key(VK_HOME, true);
        typing.push_back(bench.Type(L'/'));
        typing.push_back(bench.Type(L'*'));
        bench.Key(VK_END, true);
        Clock::time_point start = Clock::now();
        bool right = showsComment();
        // Typing and erasing by turns: the last line stays short, so the view does not
        // scroll sideways away from the code it is watched for.
        for (int typed = 0; !right && MillisecondsSince(start) < 10000; ++typed) {
            typing.push_back(typed % 2 ? bench.Key(VK_BACK, false) : bench.Type(L'c'));
            bench.Pump();
            right = showsComment();
        }
        opening.push_back(right ? MillisecondsSince(start) : 1e9);
        bench.Key(VK_HOME, true);
        typing.push_back(bench.Key(VK_DELETE, false));
        typing.push_back(bench.Key(VK_DELETE, false));
        bench.Key(VK_END, true);
        start = Clock::now();
        right = showsCode();
        while (!right && MillisecondsSince(start) < 10000) {
            bench.Pump();
            Sleep(1);
            right = showsCode();
        }
        closing.push_back(right ? MillisecondsSince(start) : 1e9);
    }
    report.Times("after \"/*\", Ctrl+End shows comment colours within", opening, 1000, 0);
    report.Times("after removing it, Ctrl+End shows code colours within", closing, 1000, 0);
    report.Times("keystrokes meanwhile (the \"/*\", the removal, at the end)", typing, 2, 16);
}

void ReplaceAll(Bench& bench, const Inputs& in, bench::Report& report)
{
    std::printf("Replace all of \"%s\" (%zu times) by \"%s\" in the %.0f MB C++ file, one undo step:\n",
                kFrequentWord, in.frequent, kReplacement, static_cast<double>(in.bytes) / (1 << 20));
    bench.NewControl(true);
    if (!report.Check(bench.Load(in.utf8Path) >= 0, "the file loads for replacing"))
        return;
    std::vector<double> times;
    const std::size_t grown = in.textBytes + in.frequent * (std::string(kReplacement).size() - std::string(kFrequentWord).size());
    for (int run = 0; run < 3; ++run) {
        bench.Place(0);
        corvex::ReplaceRequest request = {kFrequentWord, kReplacement, 1, 0};
        const Clock::time_point start = Clock::now();
        const LRESULT replaced = bench.Send(corvex::ReplaceText, 0, reinterpret_cast<LPARAM>(&request));
        bench.Paint();
        times.push_back(MillisecondsSince(start));
        report.Check(static_cast<std::size_t>(replaced) == in.frequent && bench.Size() == grown,
                     "every occurrence replaced (" + std::to_string(replaced) + " of " + std::to_string(in.frequent) +
                         ")");
        bench.Send(corvex::Undo);
        bench.Paint();
        const std::string text = bench.Text();
        report.Check(text.size() == in.textBytes && bench::HashOf(text) == in.hash, "one undo gives the original text");
    }
    report.Times("replace all, with repaint", times, 2000, 0);
    const std::vector<double> peak =
        RunChild(std::string("--peak-replace \"") + in.utf8Path + "\" " + kFrequentWord + " " + kReplacement);
    if (report.Check(peak.size() == 2 && static_cast<std::size_t>(peak[1]) == in.frequent,
                     "the peak-memory process replaced every occurrence"))
        report.Value("peak commit the replace adds, times the file size", peak[0] / static_cast<double>(in.bytes), "x",
                     2);
}

void Saving(Bench& bench, const Inputs& in, bench::Report& report)
{
    std::printf("Saving the %.0f MB C++ file over an existing file (write, flush, replace):\n",
                static_cast<double>(in.bytes) / (1 << 20));
    bench.NewControl(true);
    if (!report.Check(bench.Load(in.utf8Path) >= 0, "the file loads for saving"))
        return;
    bench.Place(bench.Size() / 2);
    bench.Type(L'x');
    const std::string text = bench::WithCrLf(bench.Text());  // the bytes a save writes
    const std::uint64_t hash = bench::HashOf(text);
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        WriteWholeFile(in.savePath, "an older file in the way\r\n");
        times.push_back(bench.Save(in.savePath));
        if (run == 0 || run == 4) {
            const std::string bytes = ReadWholeFile(in.savePath);
            report.Check(bytes.size() == text.size() && bench::HashOf(bytes) == hash, "the saved file's bytes");
        }
    }
    report.Times("save over an existing file", times, 1000, 0);
    DeleteFileA(in.savePath.c_str());
}

// The program writes a modified document's backup a megabyte at a time while the user is
// idle; a key pressed meanwhile waits at most for the step being written, and then starts
// the backup over. Here: the step a key arrives in, plus the key itself.
void Backup(Bench& bench, const Inputs& in, bench::Report& report)
{
    constexpr std::size_t kSlice = 1 << 20;  // as the program writes it
    std::printf("Backing up the %.0f MB C++ file, %zu KB a step, while keys arrive:\n",
                static_cast<double>(in.bytes) / (1 << 20), kSlice / 1024);
    bench.NewControl(true);
    if (!report.Check(bench.Load(in.utf8Path) >= 0, "the file loads for its backup"))
        return;
    bench.Place(bench.Size() / 2);
    bench.Type(L'x');
    const std::wstring path = std::wstring(in.savePath.begin(), in.savePath.end()) + L".backup";
    std::vector<double> steps, keys, whole;
    for (int run = 0; run < 7; ++run) {
        bool more = true;
        double total = 0;
        const int stepsBeforeKey = 5 + run * 15;
        for (int k = 0; more && k < stepsBeforeKey; ++k) {
            const double step = bench.BackupStep(path, kSlice, more);
            if (!report.Check(step >= 0, "a backup step"))
                return;
            steps.push_back(step);
            total += step;
        }
        if (!more) {
            whole.push_back(total);
            continue;
        }
        const double step = bench.BackupStep(path, kSlice, more);
        keys.push_back(step + bench.Type(static_cast<wchar_t>(L'a' + run)));
    }
    bool more = true;
    double total = 0;
    while (more)
        total += bench.BackupStep(path, kSlice, more);
    whole.push_back(total);
    const std::string text = bench.Text();
    const std::string bytes = ReadWholeFile(std::string(in.savePath) + ".backup");
    const std::size_t header = bytes.find('\n') + 1;
    report.Check(bytes.size() == header + text.size() && bench::HashOf(bytes.substr(header)) == bench::HashOf(text),
                 "the backup holds the text");
    report.Times("one step of the backup", steps, 2, 16);
    report.Times("a key that arrives during a step, with that step", keys, 2, 16);
    report.Times("the whole backup, when nothing is typed", whole, 1000, 0);
    DeleteFileW(path.c_str());
}

void SingleLine(Bench& bench, const Inputs& in, bench::Report& report)
{
    std::printf("A 10 MB file of a single line, each character with its repaint:\n");
    bench.NewControl(false);
    std::vector<double> opens;
    opens.push_back(bench.Load(in.linePath));
    const std::string text = bench.Text();
    report.Check(text.size() == in.lineBytes && bench::HashOf(text) == in.lineHash, "the single line as loaded");
    report.Times("open with paint", opens, 1000, 0);
    const std::size_t size = bench.Size();
    const struct {
        const char* what;
        std::size_t offset;
    } places[] = {{"typed at the end", size}, {"typed in the middle", size / 2}, {"typed at the start", 0}};
    for (const auto& place : places) {
        bench.Place(place.offset);
        std::vector<double> samples;
        for (int k = 0; k < 20; ++k)
            samples.push_back(bench.Type(static_cast<wchar_t>(L'a' + k % 26)));
        report.Times(place.what, samples, 0, 16);
    }
}

// Starts the program in `folder` and times it to its shown main window, then closes it.
void ColdStart(const std::string& folder, bench::Report& report)
{
    std::printf("Quillet.exe from its folder to the shown main window (no document):\n");
    const std::string exe = folder + "\\Quillet.exe";
    const std::string config = folder + "\\Config.ini";
    WritePrivateProfileStringA("Main", "SysTrayShow", "0", config.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, config.c_str());
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        WritePrivateProfileStringA("StartupFiles", nullptr, nullptr, config.c_str());
        std::string command = "\"" + exe + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        const Clock::time_point start = Clock::now();
        if (!report.Check(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                                         &startup, &process) != 0,
                          "Quillet.exe starts from " + folder))
            return;
        HWND shown = nullptr;
        while (!shown && MillisecondsSince(start) < 30000) {
            for (HWND window = FindWindowExA(nullptr, nullptr, "Quillet", "Quillet"); window;
                 window = FindWindowExA(nullptr, window, "Quillet", "Quillet")) {
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner == process.dwProcessId && IsWindowVisible(window))
                    shown = window;
            }
            if (!shown)
                Sleep(1);
        }
        const double ms = MillisecondsSince(start);
        if (report.Check(shown != nullptr, "the main window shows"))
            times.push_back(ms);
        if (shown)
            PostMessageA(shown, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    report.Times("cold start to the shown main window", times, 500, 0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--peak-open")
        return PeakOpen(argv[2], argv[3]);
    if (argc == 6 && std::string(argv[1]) == "--peak-replace")
        return PeakReplace(argv[2], argv[3], argv[4], argv[5]);
    const std::size_t megabytes = argc > 1 ? static_cast<std::size_t>(std::max(1, std::atoi(argv[1]))) : 100;
    bench::Report report;
    const Inputs in = WriteInputs(megabytes);
    {
        Bench bench;
        Opening(bench, in, report);
        Typing(bench, in, report);
        StateChange(bench, in, report);
        ReplaceAll(bench, in, report);
        Saving(bench, in, report);
        Backup(bench, in, report);
        SingleLine(bench, in, report);
        std::printf("With word wrap on, the same (rows computed only for the screen and the caret):\n");
        bench.SetWrap(true);
        std::vector<double> opens;
        for (int run = 0; run < 5; ++run) {
            bench.NewControl(true);
            opens.push_back(bench.Load(in.utf8Path));
        }
        report.Times("open UTF-8 to the first painted screen, wrapped", opens, 300, 0);
        Typing(bench, in, report);
        SingleLine(bench, in, report);
        if (argc > 2) {
            // As in the program, whose controls draw their scroll bars from the skin.
            std::printf("With the default skin's scroll bars, drawn by the control, no wrap:\n");
            bench.SetWrap(false);
            bench.SetSkin(std::string(argv[2]) + "\\Skin\\Quillblue\\");
            Typing(bench, in, report);
        }
    }
    if (argc > 2)
        ColdStart(argv[2], report);
    for (const std::string& path : {in.utf8Path, in.utf16Path, in.linePath, in.plainPath})
        DeleteFileA(path.c_str());
    return report.ExitCode();
}
