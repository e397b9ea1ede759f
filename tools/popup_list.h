// PopupList: a drop-down that hangs under a toolbar button like a menu. A topmost popup of
// class "Quillet Popup" holds one owner-drawn, data-less list box; while shown it runs its
// own message loop and it closes like a menu (on losing activation, Escape, a released Alt,
// or Left/Right with no hot row). Each row has an arrow button on its right that opens an
// item menu. The clipboard history and the favourites are the two kinds; what tells them
// apart is a PopupListStyle and the few virtual functions below.
#pragma once

#include "platform/dpi_scale.h"
#include "platform/subclass.h"
#include "skin/skin_bitmap.h"
#include "tools/popup_geometry.h"
#include "tools/tool_host.h"

#include <windows.h>
#include <string>

namespace tools {

constexpr const wchar_t* kPopupClass = L"Quillet Popup";
constexpr int kPopupListId = 100;

struct PopupListStyle {
    const wchar_t* title;       // window title
    const char* windowFailure;  // message when the popup cannot be created
    const char* listFailure;    // message when its list cannot be created
    const char* popupProperty;  // subclass property of the popup
    WNDPROC popupProcedure;     // PopupList::PopupProcedure<popupProperty>
    const char* listProperty;   // subclass property of the list
    WNDPROC listProcedure;      // PopupList::ListProcedure<listProperty>
    int itemHeight;             // pixels per row at 96 DPI
    int triangleTop;            // arrow triangle: upper edge below the button's top
    ItemMenu menu;              // the item menu of the arrow buttons
    bool newestFirst;           // entries arrive at the top (the remembered rows move down)
};

class PopupList {
public:
    explicit PopupList(const PopupListStyle& style) : style_(style) {}
    virtual ~PopupList();
    PopupList(const PopupList&) = delete;
    PopupList& operator=(const PopupList&) = delete;

    // Creates the drop-down on the first call (and again after a failed creation). With
    // `show` it opens under button `anchorCommand` of toolbar `anchorBar` and returns when
    // it has closed.
    void Show(bool show, HWND anchorBar, int anchorCommand);
    // The pen and brushes follow the [Menu] colours of the skin just loaded.
    void RecreateBrushes();
    void Destroy();

    bool Visible() const;
    HWND Popup() const { return popup_; }
    HWND List() const { return list_; }
    const RowMarks& Marks() const { return marks_; }
    bool OnArrowButton() const { return onButton_; }
    // The DPI the drop-down is laid out at: its anchor's when it last opened.
    int Dpi() const { return dpi_; }
    // A row's height at that DPI.
    int RowHeight() const;

    // The subclass procedures; a style names the instantiations for its properties.
    template <const char* Property>
    static LRESULT CALLBACK PopupProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        static const std::wstring name = PropertyName(Property);
        auto* self = static_cast<PopupList*>(GetPropW(window, name.c_str()));
        return self ? self->PopupProc(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
    }
    template <const char* Property>
    static LRESULT CALLBACK ListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        static const std::wstring name = PropertyName(Property);
        auto* self = static_cast<PopupList*>(GetPropW(window, name.c_str()));
        return self ? self->ListProc(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
    }

protected:
    virtual int EntryCount() const = 0;
    virtual void EraseEntry(int index) = 0;
    virtual void EraseAll() = 0;
    // Draws entry `index` into `inner` (its row shrunk by 2); `row` is the whole row.
    virtual void DrawEntry(HDC dc, int index, const RECT& row, const RECT& inner, bool hot) = 0;
    virtual void DrawEmptyMessage(HDC dc, const RECT& client) = 0;
    // Both windows exist and carry their subclasses.
    virtual void Created() {}
    // Messages of the popup or the list that one kind handles itself: true when handled.
    virtual bool OnPopupMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
    virtual bool OnListMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
    // The popup is being destroyed: before the subclasses go, and after.
    virtual void Destroying() {}
    virtual void Destroyed() {}
    // The item menu is about to open for row `chosen`.
    virtual void PrepareItemMenu(HMENU, int /*chosen*/) {}

    LRESULT CallPreviousPopup(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallPreviousList(UINT message, WPARAM wParam, LPARAM lParam);
    void Repaint();
    HMENU ItemMenuHandle() const { return Host().Menu(style_.menu); }
    // The row under a point of the list, or -1.
    int RowAtPoint(POINT point) const;
    // A 96-DPI length at the drop-down's DPI.
    int Px(int length) const { return dpi::Scale(length, dpi_); }

    RowMarks marks_;
    bool menuOpen_ = false;

private:
    bool Create();
    LRESULT PopupProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ListProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyDown(WPARAM key, LPARAM lParam);
    // Follows the mouse; false when nothing changed.
    bool OnMouseMove(POINT point);
    void Close();
    void RunLocalLoop();
    // Sizes the drop-down, its list and its rows for `dpi`.
    void FitToDpi(int dpiValue);
    void Activate(int row);
    void OpenItemMenu(int row);
    bool OnButtonOfHotRow(POINT point) const;
    void PaintList();
    void DrawRow(HDC dc, int index, const RECT& client);
    void DeleteBrushes();

    const PopupListStyle& style_;
    HWND popup_ = nullptr;
    HWND list_ = nullptr;
    WindowSubclass popupSubclass_;
    WindowSubclass listSubclass_;
    bool tracking_ = false;
    bool onButton_ = false;
    bool closed_ = false;
    int dpi_ = dpi::kDesignDpi;
    HPEN framePen_ = nullptr;
    HBRUSH normalBrush_ = nullptr;
    HBRUSH pressedBrush_ = nullptr;
    CSkinBitmap buffer_;
};

// Fills `rect` with one colour.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);

} // namespace tools
