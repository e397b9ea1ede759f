// For screenshots: a window with one Corvex control showing a sample in a language, or
// the control's settings dialog.
//   corvex_colour_shots cpp|html|sql|settings|keyboard|split|split4|wrap|column|bars
//                       [seconds=6] [skin folder]
// keyboard: the settings dialog on its Keyboard page; wrap: a paragraph with word wrap on;
// column: a column selection made with Alt+Shift and the arrows; bars: a long document
// scrolled to its middle, so both scroll bars show their thumbs. With a skin folder the
// control draws its scroll bars from that skin. The window closes itself after the
// given seconds.
#include "corvex/include/corvex.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char kCpp[] =
    "// Sums the weighted samples of a series.\r\n"
    "#include <vector>\r\n"
    "#define LIMIT 100\r\n"
    "\r\n"
    "static double weightedSum(const std::vector<double>& values, int count)\r\n"
    "{\r\n"
    "    double total = 0.0; /* running sum */\r\n"
    "    for (int index = 0; index < count && index < LIMIT; ++index) {\r\n"
    "        if (values[index] < 0)\r\n"
    "            continue;\r\n"
    "        total += values[index] * 0.5;\r\n"
    "    }\r\n"
    "    printf(\"total: %f\\n\", total);\r\n"
    "    return total;\r\n"
    "}\r\n";

const char kHtml[] =
    "<!DOCTYPE html>\r\n"
    "<html lang=\"en\">\r\n"
    "<head>\r\n"
    "  <title>Order &amp; delivery</title>\r\n"
    "  <!-- the page script -->\r\n"
    "  <script type=\"text/javascript\">\r\n"
    "    function total(items) {\r\n"
    "      var sum = 0;\r\n"
    "      for (var i = 0; i < items.length; i++) { sum += items[i]; }\r\n"
    "      return \"Total: \" + sum;\r\n"
    "    }\r\n"
    "  </script>\r\n"
    "</head>\r\n"
    "<body onload=\"total([1, 2, 3])\">\r\n"
    "  <p class=\"note\">Thank you for your order.</p>\r\n"
    "</body>\r\n"
    "</html>\r\n";

const char kSql[] =
    "-- Customers with open orders\r\n"
    "CREATE TABLE orders (\r\n"
    "    id INTEGER PRIMARY KEY,\r\n"
    "    customer VARCHAR(40) NOT NULL,\r\n"
    "    amount DECIMAL(10, 2) DEFAULT 0\r\n"
    ");\r\n"
    "\r\n"
    "SELECT c.name, SUM(o.amount) AS total\r\n"
    "  FROM customers c\r\n"
    "  JOIN orders o ON o.customer = c.id\r\n"
    " WHERE o.status = 'open' /* not yet shipped */\r\n"
    " GROUP BY c.name\r\n"
    "HAVING SUM(o.amount) > 100\r\n"
    " ORDER BY total DESC;\r\n";

const char kProse[] =
    "Word wrap shows a long line in rows as wide as the window, broken between words where there are any, "
    "so a paragraph written on one line reads like a paragraph. The caret keys, Home and End follow the rows; "
    "the line numbers and the status bar keep counting lines.\r\n"
    "\r\n"
    "A_line_without_any_spaces_is_broken_where_the_row_ends:_"
    "abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz\r\n"
    "\r\n"
    "\tTabs keep their stops on every row of the line, and a short line is one row.\r\n";

// The settings dialog the control opened (a dialog of this thread).
BOOL CALLBACK FindDialog(HWND window, LPARAM found)
{
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32770") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE) {
        if (HWND child = GetDlgItem(window, corvex::kControlId))
            MoveWindow(child, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    }
    if (message == WM_TIMER && wParam == 1) {
        PostQuitMessage(0);
        return 0;
    }
    if (message == WM_TIMER && wParam == 3) {
        // The Keyboard page (the sixth tab) of the open settings dialog.
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog)
            return 0;
        KillTimer(window, 3);
        HWND tabs = GetDlgItem(dialog, 1901);
        SendMessageA(tabs, TCM_SETCURSEL, 5, 0);
        NMHDR header = {tabs, 1901, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(dialog, WM_NOTIFY, 1901, reinterpret_cast<LPARAM>(&header));
        return 0;
    }
    if (message == WM_TIMER && wParam == 2) {
        KillTimer(window, 2);
        SendMessageA(GetDlgItem(window, corvex::kControlId), corvex::Command, corvex::CmdSettingsDialog, 0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    const std::string what = __argc > 1 ? __argv[1] : "cpp";
    const int seconds = __argc > 2 ? std::atoi(__argv[2]) : 6;
    const char* skin = __argc > 3 ? __argv[3] : nullptr;
    CorvexInitialize(corvex::kInitFlags);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &FrameProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "CorvexShots";
    RegisterClassA(&wc);
    HWND frame = CreateWindowExA(0, "CorvexShots", "Corvex", WS_POPUP | WS_VISIBLE | WS_BORDER, 20, 20, 760, 420,
                                 nullptr, nullptr, instance, nullptr);
    RECT client;
    GetClientRect(frame, &client);
    HWND control = CreateWindowExA(0, corvex::kClassName, "", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0,
                                   client.right, client.bottom, frame,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(corvex::kControlId)), instance, nullptr);
    HFONT font = CreateFontA(-15, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY,
                             FIXED_PITCH | FF_MODERN, "Courier New");
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 1);
    const char* language = what == "html" ? "HTML" : what == "sql" ? "SQL" : "C/C++";
    std::string longText;
    for (int k = 0; k < 8; ++k)
        longText += kCpp;
    longText += "// " + std::string(150, '=') + " the widest line\r\n";
    const char* text = what == "html" ? kHtml : what == "sql" ? kSql : what == "wrap" ? kProse
                       : what == "bars" ? longText.c_str() : kCpp;
    if (skin)
        SendMessageA(control, corvex::SetSkinFolder, 0, reinterpret_cast<LPARAM>(skin));
    if (what == "wrap")
        SendMessageA(control, corvex::SetWordWrap, 1, 0);
    SendMessageA(control, corvex::SetLanguage, 0, reinterpret_cast<LPARAM>(language));
    int record[4] = {};
    SendMessageA(control, corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
    SendMessageA(control, corvex::SaveRecord, reinterpret_cast<WPARAM>(record), reinterpret_cast<LPARAM>(text));
    SendMessageA(control, corvex::SelectRange, 0, 0);
    SendMessageA(control, corvex::Command, corvex::CmdToggleBookmark, 0);
    SetFocus(control);
    if (what == "split") {
        GetClientRect(control, &client);
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 8, 2));
        SendMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right - 8, 120));
        SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(client.right - 8, 120));
        SendMessageA(control, corvex::SelectRange, 420, 420);
    }
    if (what == "split4") {
        // Both splits, the lower right pane scrolled, the caret before the loop's "{". The
        // split boxes sit inside the scroll bars the control draws for a skin (the
        // installed skins' bars are 17 pixels thick).
        GetClientRect(control, &client);
        if (skin) {
            client.right -= 17;
            client.bottom -= 17;
        }
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 8, 2));
        SendMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right - 8, 150));
        SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(client.right - 8, 150));
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, client.bottom - 8));
        SendMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(330, client.bottom - 8));
        SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(330, client.bottom - 8));
        const char* loop = std::strstr(text, "++index) {");
        // The document keeps one byte per line end.
        LPARAM brace = loop ? static_cast<LPARAM>(loop - text) + 9 : 0;
        for (const char* at = text; at < loop; ++at)
            brace -= *at == '\r';
        SendMessageA(control, corvex::SelectRange, brace, brace);
        SendMessageA(control, WM_VSCROLL, SB_LINEDOWN, 0);
        SendMessageA(control, WM_VSCROLL, SB_LINEDOWN, 0);
        for (int k = 0; k < 6; ++k)
            SendMessageA(control, WM_HSCROLL, SB_LINERIGHT, 0);
    }
    if (what == "column") {
        // Alt+Shift held: the arrows grow a column block from the caret.
        SendMessageA(control, corvex::SelectRange, 180, 180);
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_MENU] = keys[VK_SHIFT] = 0x80;
        SetKeyboardState(keys);
        for (UINT key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT})
            SendMessageA(control, WM_SYSKEYDOWN, key, 1 | (1 << 29));
        keys[VK_MENU] = keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }
    if (what == "bars") {
        SendMessageA(control, corvex::SelectRange, 0, 0);
        for (int k = 0; k < 40; ++k)
            SendMessageA(control, WM_VSCROLL, SB_LINEDOWN, 0);
        for (int k = 0; k < 20; ++k)
            SendMessageA(control, WM_HSCROLL, SB_LINERIGHT, 0);
    }
    SetTimer(frame, 1, static_cast<UINT>(seconds * 1000), nullptr);
    if (what == "settings" || what == "keyboard")
        SetTimer(frame, 2, 300, nullptr);
    if (what == "keyboard")
        SetTimer(frame, 3, 600, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.wParam == 1 && msg.hwnd == frame) {
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DestroyWindow(frame);
    CorvexShutdown();
    DeleteObject(font);
    return 0;
}
