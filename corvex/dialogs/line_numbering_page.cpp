#include "corvex/dialogs/line_numbering_page.h"

#include <commctrl.h>

namespace corvex::dialogs {

DialogTemplate LineNumberingPage::buildTemplate() const
{
    DialogTemplate dialog = PageTemplate();
    const short x = kLeftColumn + 8, fieldX = x + 70;
    dialog.group("Line numbers", kLeftColumn, kMargin, kColumnWidth, 62);
    dialog.check("&Show line numbers", kShowLineNumbers, x, 20, kColumnWidth - 14);
    dialog.label("&First line number:", x, 35, 68);
    dialog.edit(kFirstLineNumber, fieldX, 34, 40);
    dialog.label("&Minimum digits:", x, 51, 68);
    dialog.spinEdit(kMinimumDigits, kMinimumDigitsSpin, fieldX, 50, 32);
    return dialog;
}

void LineNumberingPage::load(const ControlSettings& settings)
{
    const LineNumbering& numbering = settings.lineNumbering;
    setChecked(kShowLineNumbers, numbering.shown != 0);
    SetDlgItemInt(hwnd_, kFirstLineNumber, static_cast<UINT>(numbering.firstNumber), TRUE);
    SendDlgItemMessageW(hwnd_, kMinimumDigitsSpin, UDM_SETRANGE32, kMinDigits, kMaxDigits);
    SendDlgItemMessageW(hwnd_, kMinimumDigitsSpin, UDM_SETPOS32, 0, numbering.minimumDigits);
}

void LineNumberingPage::store(ControlSettings& settings) const
{
    LineNumbering& numbering = settings.lineNumbering;
    if (isChecked(kShowLineNumbers) != (numbering.shown != 0))
        numbering.shown = isChecked(kShowLineNumbers) ? 1 : 0;
    BOOL valid = FALSE;
    const int first = static_cast<int>(GetDlgItemInt(hwnd_, kFirstLineNumber, &valid, TRUE));
    if (valid)
        numbering.firstNumber = first;
    const int digits = static_cast<int>(GetDlgItemInt(hwnd_, kMinimumDigits, &valid, FALSE));
    if (valid)
        numbering.minimumDigits = digits < kMinDigits ? kMinDigits : digits > kMaxDigits ? kMaxDigits : digits;
}

} // namespace corvex::dialogs
