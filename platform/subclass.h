// Window subclassing as every window of the program does it.
//
// An object that owns a subclassed window derives from Subclass<Self> and gives
// itself a `static constexpr const char* kProperty` (the window property that holds
// the object, e.g. "CWMSubcls") and a member
//     LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
// which calls CallPrevious() for whatever it does not handle. Subclasses stack: the
// one attached last sees a message first.
//
// An object that drives several windows (a popup and its list, a dialog and its pages)
// keeps a WindowSubclass per window instead, each under its own property.
//
// The second form, for plain procedures, keeps the previous procedure itself in the
// property (AttachProcedure / CallPreviousProcedure / DetachProcedure).
#pragma once

#include <windows.h>

// One attachment of an object to a window: the property that holds the object, the
// window's previous procedure and the procedure installed in its place. Subclass<Self>
// below is the usual way to use it; an object that drives several windows keeps one of
// these per window, with a procedure that finds it under that window's property.
class WindowSubclass {
public:
    // Does nothing when the window is gone or already carries the property.
    void Attach(HWND window, const char* property, void* object, WNDPROC procedure)
    {
        if (!IsWindow(window) || GetPropA(window, property))
            return;
        SetPropA(window, property, static_cast<HANDLE>(object));
        window_ = window;
        property_ = property;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    }

    // Only while the window exists and a previous procedure is kept.
    void Detach()
    {
        if (!window_ || !IsWindow(window_) || !previous_)
            return;
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        RemovePropA(window_, property_);
        previous_ = nullptr;
        window_ = nullptr;
    }

    HWND Window() const { return window_; }
    bool Attached() const { return previous_ != nullptr; }

    LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const
    {
        return previous_ ? CallWindowProcA(previous_, window_, message, wParam, lParam)
                         : DefWindowProcA(window_, message, wParam, lParam);
    }

private:
    HWND window_ = nullptr;
    WNDPROC previous_ = nullptr;
    const char* property_ = nullptr;
};

template <class Self>
class Subclass {
public:
    HWND Window() const { return attachment_.Window(); }

    // Does nothing when the window is gone or already carries the property.
    void Attach(HWND window)
    {
        attachment_.Attach(window, Self::kProperty, static_cast<Self*>(this), &StaticProc);
    }

    // Only while the window exists and a previous procedure is kept.
    void Detach() { attachment_.Detach(); }

    bool Attached() const { return attachment_.Attached(); }

protected:
    LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return attachment_.CallPrevious(message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = static_cast<Self*>(GetPropA(window, Self::kProperty));
        if (!self || !self->Attached())
            return DefWindowProcA(window, message, wParam, lParam);
        return self->WindowProc(message, wParam, lParam);
    }

    WindowSubclass attachment_;
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
