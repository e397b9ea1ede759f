// The subclassing convention: attach once, stack, detach restores the procedure.
#include "platform/subclass.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string g_trace;

template <char Tag>
struct Tracer : Subclass<Tracer<Tag>> {
    static constexpr const char* kProperty = Tag == 'A' ? "TestSubclsA" : "TestSubclsB";
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_USER + 7)
            g_trace += Tag;
        return this->CallPrevious(message, wParam, lParam);
    }
};

HWND MakeWindow()
{
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

TEST(Subclass, TheLastAttachedSeesMessagesFirstAndAttachingTwiceDoesNothing)
{
    HWND window = MakeWindow();
    Tracer<'A'> a;
    Tracer<'B'> b;
    a.Attach(window);
    b.Attach(window);
    a.Attach(window);  // already carries the property
    g_trace.clear();
    SendMessageA(window, WM_USER + 7, 0, 0);
    EXPECT_EQ(g_trace, "BA");
    EXPECT_EQ(GetPropA(window, "TestSubclsA"), static_cast<HANDLE>(&a));
    b.Detach();
    a.Detach();
    EXPECT_EQ(GetPropA(window, "TestSubclsA"), nullptr);
    g_trace.clear();
    SendMessageA(window, WM_USER + 7, 0, 0);
    EXPECT_EQ(g_trace, "");
    DestroyWindow(window);
}

TEST(Subclass, AttachingToAGoneWindowDoesNothing)
{
    HWND window = MakeWindow();
    DestroyWindow(window);
    Tracer<'A'> a;
    a.Attach(window);
    EXPECT_FALSE(a.Attached());
    a.Detach();  // harmless
}

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER + 7)
        g_trace += 'P';
    return CallPreviousProcedure("TestProc", window, message, wParam, lParam);
}

TEST(Subclass, ProcedureFormKeepsThePreviousProcedureInTheProperty)
{
    HWND window = MakeWindow();
    const LONG_PTR original = GetWindowLongPtrW(window, GWLP_WNDPROC);
    AttachProcedure(window, "TestProc", &CountingProc);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(window, "TestProc")), original);
    g_trace.clear();
    SendMessageA(window, WM_USER + 7, 0, 0);
    EXPECT_EQ(g_trace, "P");
    DetachProcedure(window, "TestProc");
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), original);
    DestroyWindow(window);
}

// A subclassed edit box stays a Unicode window: text outside the code page is typed into
// it and read back whole, through the subclass and both procedures.
TEST(Subclass, ASubclassedEditBoxKeepsTextOutsideTheCodePage)
{
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    Tracer<'A'> a;
    a.Attach(edit);
    AttachProcedure(edit, "TestProc", &CountingProc);
    EXPECT_TRUE(IsWindowUnicode(edit));
    for (wchar_t unit : std::wstring(L"\u65E5\u672C\u8A9E \U0001F600"))
        SendMessageW(edit, WM_CHAR, unit, 1);
    wchar_t text[32] = {};
    GetWindowTextW(edit, text, 32);
    EXPECT_EQ(std::wstring(text), L"\u65E5\u672C\u8A9E \U0001F600");
    DetachProcedure(edit, "TestProc");
    a.Detach();
    DestroyWindow(edit);
}

} // namespace
