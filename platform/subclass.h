// Window subclassing as every window of the program does it.
//
// An object that owns a subclassed window derives from Subclass<Self> and gives
// itself a `static constexpr const char* kProperty` (the window property that holds
// the object, e.g. "CWMSubcls") and a member
//     LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
// which calls CallPrevious() for whatever it does not handle. Subclasses stack: the
// one attached last sees a message first.
//
// The second form, for plain procedures, keeps the previous procedure itself in the
// property (AttachProcedure / CallPreviousProcedure / DetachProcedure).
#pragma once

#include <windows.h>

template <class Self>
class Subclass {
public:
    HWND Window() const { return window_; }

    // Does nothing when the window is gone or already carries the property.
    void Attach(HWND window)
    {
        if (!IsWindow(window) || GetPropA(window, Self::kProperty))
            return;
        SetPropA(window, Self::kProperty, static_cast<HANDLE>(static_cast<Self*>(this)));
        window_ = window;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StaticProc)));
    }

    // Only while the window exists and a previous procedure is kept.
    void Detach()
    {
        if (!window_ || !IsWindow(window_) || !previous_)
            return;
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        RemovePropA(window_, Self::kProperty);
        previous_ = nullptr;
        window_ = nullptr;
    }

    bool Attached() const { return previous_ != nullptr; }

protected:
    LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return CallWindowProcA(previous_, window_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = static_cast<Self*>(GetPropA(window, Self::kProperty));
        if (!self || !self->previous_)
            return DefWindowProcA(window, message, wParam, lParam);
        return self->WindowProc(message, wParam, lParam);
    }

    HWND window_ = nullptr;
    WNDPROC previous_ = nullptr;
};

// The procedure-style form: the property holds the previous procedure.
inline void AttachProcedure(HWND window, const char* property, WNDPROC procedure)
{
    if (!IsWindow(window) || GetPropA(window, property))
        return;
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    SetPropA(window, property, reinterpret_cast<HANDLE>(previous));
}

inline LRESULT CallPreviousProcedure(const char* property, HWND window, UINT message,
                                     WPARAM wParam, LPARAM lParam)
{
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, property));
    if (!previous)
        return DefWindowProcA(window, message, wParam, lParam);
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

inline void DetachProcedure(HWND window, const char* property)
{
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, property));
    if (!IsWindow(window) || !previous)
        return;
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(window, property);
}
