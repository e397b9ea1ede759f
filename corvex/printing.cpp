#include "corvex/printing.h"

#include "corvex/line_cells.h"

#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace corvex {
namespace {

constexpr int kPointSize = 10;

struct PageFrame {
    RECT body = {};
    int headerTop = 0, footerTop = 0;
    int charWidth = 1, lineHeight = 1;
};

PageFrame FrameOf(HDC dc)
{
    PageFrame frame;
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    const int offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX), offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    const int width = GetDeviceCaps(dc, HORZRES), height = GetDeviceCaps(dc, VERTRES);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    frame.charWidth = std::max<int>(1, metrics.tmAveCharWidth);
    frame.lineHeight = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
    const int left = std::max(0, dpiX * 3 / 4 - offsetX), top = std::max(0, dpiY * 3 / 4 - offsetY);
    const int right = std::max(left + frame.charWidth, width - left), bottom = std::max(top, height - top);
    frame.headerTop = top;
    frame.footerTop = bottom - frame.lineHeight;
    frame.body = {left, top + 2 * frame.lineHeight, right, frame.footerTop - frame.lineHeight};
    return frame;
}

void DrawCells(HDC dc, int x, int y, const LineCells& cells, int charWidth)
{
    std::vector<int> dx(cells.glyphs.size());
    for (std::size_t k = 0; k < dx.size(); ++k)
        dx[k] = cells.advance[k] * charWidth;
    ExtTextOutW(dc, x, y, 0, nullptr, cells.glyphs.data(), static_cast<UINT>(cells.glyphs.size()), dx.data());
}

} // namespace

bool PrintText(HWND owner, const TextSource& text, HFONT base, const std::wstring& documentName, unsigned tabSize,
               bool utf8)
{
    PRINTDLGW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetParent(owner) ? GetParent(owner) : owner;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    if (!PrintDlgW(&dialog) || !dialog.hDC)
        return false;
    HDC dc = dialog.hDC;
    LOGFONTW font = {};
    GetObjectW(base, sizeof font, &font);
    font.lfHeight = -MulDiv(kPointSize, GetDeviceCaps(dc, LOGPIXELSY), 72);
    font.lfWidth = 0;
    HFONT printFont = CreateFontIndirectW(&font);
    HGDIOBJ oldFont = SelectObject(dc, printFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const PageFrame frame = FrameOf(dc);
    const std::size_t columns = std::max<std::size_t>(1, (frame.body.right - frame.body.left) / frame.charWidth);
    const std::wstring name = documentName.empty() ? L"Untitled" : documentName;

    DOCINFOW info = {};
    info.cbSize = sizeof info;
    info.lpszDocName = name.c_str();
    bool ok = StartDocW(dc, &info) > 0;
    int page = 0;
    int y = frame.body.bottom; // forces the first page
    const CellOptions cellOptions = {tabSize, utf8, false};
    auto startPage = [&]() {
        if (page > 0)
            ok = ok && EndPage(dc) > 0;
        ++page;
        ok = ok && StartPage(dc) > 0;
        SelectObject(dc, printFont);
        TextOutW(dc, frame.body.left, frame.headerTop, name.c_str(), static_cast<int>(name.size()));
        MoveToEx(dc, frame.body.left, frame.headerTop + frame.lineHeight + frame.lineHeight / 4, nullptr);
        LineTo(dc, frame.body.right, frame.headerTop + frame.lineHeight + frame.lineHeight / 4);
        wchar_t number[32];
        const int length = std::swprintf(number, 32, L"Page %d", page);
        RECT footer = {frame.body.left, frame.footerTop, frame.body.right, frame.footerTop + frame.lineHeight};
        DrawTextW(dc, number, length, &footer, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
        y = frame.body.top;
    };
    for (std::size_t line = 0, lines = text.lineCount(); ok && line < lines; ++line) {
        for (std::size_t first = 0;; first += columns) {
            if (y + frame.lineHeight > frame.body.bottom)
                startPage();
            const LineCells cells = BuildLineCells(text, line, first, columns, cellOptions);
            DrawCells(dc, frame.body.left, y, cells, frame.charWidth);
            y += frame.lineHeight;
            if (cells.reachedLineEnd || !ok)
                break;
        }
    }
    if (ok && page > 0)
        ok = EndPage(dc) > 0;
    if (ok)
        EndDoc(dc);
    else
        AbortDoc(dc);
    SelectObject(dc, oldFont);
    DeleteObject(printFont);
    DeleteDC(dc);
    if (dialog.hDevMode)
        GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames)
        GlobalFree(dialog.hDevNames);
    return ok;
}

} // namespace corvex
