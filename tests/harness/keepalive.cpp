// Runs idle for the length of a test run so Wine keeps its services up between the
// many short test processes (each would otherwise start them again). It makes one
// hidden window, so that Wine's desktop process starts here, with this program's
// output, and not in the first test, whose output pipe it would hold open.
#include <windows.h>

int main()
{
    CreateWindowExA(0, "STATIC", "keepalive", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
