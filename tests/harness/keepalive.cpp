// Runs idle for the length of a test run so Wine keeps its services up between the
// many short test processes (each would otherwise start them again).
#include <windows.h>

int main()
{
    Sleep(INFINITE);
    return 0;
}
