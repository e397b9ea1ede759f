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
    return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
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
    const LONG_PTR original = GetWindowLongPtrA(window, GWLP_WNDPROC);
    AttachProcedure(window, "TestProc", &CountingProc);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(window, "TestProc")), original);
    g_trace.clear();
    SendMessageA(window, WM_USER + 7, 0, 0);
    EXPECT_EQ(g_trace, "P");
    DetachProcedure(window, "TestProc");
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original);
    DestroyWindow(window);
}

} // namespace
