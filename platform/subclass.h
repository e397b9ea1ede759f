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

#include <string>

// Property names are ASCII literals; the wide property functions take them widened
// (a property is one atom whichever form names it).
inline std::wstring PropertyName(const char* ascii)
{
    return ascii ? std::wstring(ascii, ascii + std::char_traits<char>::length(ascii)) : std::wstring();
}

// One attachment of an object to a window: the property that holds the object, the
// window's previous procedure and the procedure installed in its place. Subclass<Self>
// below is the usual way to use it; an object that drives several windows keeps one of
// these per window, with a procedure that finds it under that window's property.
class WindowSubclass {
public:
    // Does nothing when the window is gone or already carries the property.
    void Attach(HWND window, const char* property, void* object, WNDPROC procedure)
    {
        const std::wstring name = PropertyName(property);
        if (!IsWindow(window) || GetPropW(window, name.c_str()))
            return;
        SetPropW(window, name.c_str(), static_cast<HANDLE>(object));
        window_ = window;
        property_ = name;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    }

    // Only while the window exists and a previous procedure is kept.
    void Detach()
    {
        if (!window_ || !IsWindow(window_) || !previous_)
            return;
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        RemovePropW(window_, property_.c_str());
        previous_ = nullptr;
        window_ = nullptr;
    }

    HWND Window() const { return window_; }
    bool Attached() const { return previous_ != nullptr; }

    LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const
    {
        return previous_ ? CallWindowProcW(previous_, window_, message, wParam, lParam)
                         : DefWindowProcW(window_, message, wParam, lParam);
    }

private:
    HWND window_ = nullptr;
    WNDPROC previous_ = nullptr;
    std::wstring property_;
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
        static const std::wstring name = PropertyName(Self::kProperty);
        auto* self = static_cast<Self*>(GetPropW(window, name.c_str()));
        if (!self || !self->Attached())
            return DefWindowProcW(window, message, wParam, lParam);
        return self->WindowProc(message, wParam, lParam);
    }

    WindowSubclass attachment_;
};

// The procedure-style form: the property holds the previous procedure.
inline void AttachProcedure(HWND window, const char* property, WNDPROC procedure)
{
    const std::wstring name = PropertyName(property);
    if (!IsWindow(window) || GetPropW(window, name.c_str()))
        return;
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    SetPropW(window, name.c_str(), reinterpret_cast<HANDLE>(previous));
}

inline LRESULT CallPreviousProcedure(const char* property, HWND window, UINT message,
                                     WPARAM wParam, LPARAM lParam)
{
    auto previous = reinterpret_cast<WNDPROC>(GetPropW(window, PropertyName(property).c_str()));
    if (!previous)
        return DefWindowProcW(window, message, wParam, lParam);
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

inline void DetachProcedure(HWND window, const char* property)
{
    const std::wstring name = PropertyName(property);
    auto previous = reinterpret_cast<WNDPROC>(GetPropW(window, name.c_str()));
    if (!IsWindow(window) || !previous)
        return;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropW(window, name.c_str());
}
