#include "corvex/parent_notice.h"

#include "corvex/include/corvex.h"

namespace corvex {

void NotifyParent(HWND control, UINT code)
{
    NMHDR header = {control, static_cast<UINT_PTR>(GetDlgCtrlID(control)), code};
    SendMessageW(GetParent(control), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void SendKeyCommand(HWND control, WORD command)
{
    KeyCommandNotify note = {};
    note.hdr.hwndFrom = control;
    note.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    note.hdr.code = NotifyKeyCommand;
    note.command = command;
    SendMessageW(GetParent(control), WM_NOTIFY, note.hdr.idFrom, reinterpret_cast<LPARAM>(&note));
}

} // namespace corvex
