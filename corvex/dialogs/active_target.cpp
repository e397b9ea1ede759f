#include "corvex/dialogs/dialog_host.h"

namespace corvex::dialogs {
namespace {

SearchTarget* g_target = nullptr;
HWND g_control = nullptr;

} // namespace

void SetActiveSearchTarget(SearchTarget* target, HWND control)
{
    g_target = target;
    g_control = target ? control : nullptr;
}

void ClearActiveSearchTarget(HWND control)
{
    if (control == g_control) {
        g_target = nullptr;
        g_control = nullptr;
    }
}

SearchTarget* ActiveSearchTarget() { return g_target; }
HWND ActiveSearchControl() { return g_control; }

} // namespace corvex::dialogs
