// What the program asks of Windows about processes: whether it is a 32-bit process on
// 64-bit Windows, and running another program to its end. Tests answer both.
#pragma once

#include <functional>
#include <string>

namespace proc {

// True for a 32-bit process on 64-bit Windows (IsWow64Process, bound at run time so
// that systems without it count as plain 32-bit Windows).
bool RunsUnderWow64();

// Runs `program` with `arguments` (the command line after the program's quoted path),
// without a window, and waits at most `timeoutMs` for it to end. Its exit code; -1 when
// it could not be started or did not end in time.
long RunAndWait(const std::wstring& program, const std::wstring& arguments, unsigned long timeoutMs);

using Wow64Handler = std::function<bool()>;
using RunHandler = std::function<long(const std::wstring& program, const std::wstring& arguments)>;

// Replace the real answers (an empty function restores them).
void SetWow64Handler(Wow64Handler handler);
void SetRunHandler(RunHandler handler);

} // namespace proc
