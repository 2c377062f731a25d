#include "parent_console.h"

#include <cstdio>

#include <windows.h>

namespace {
// Whether the standard handle was given by the caller: a file, a pipe or a console.
bool given(DWORD which)
{
    const HANDLE h = GetStdHandle(which);
    return h != nullptr && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
}
} // namespace

void useParentConsole()
{
    const bool out = given(STD_OUTPUT_HANDLE), err = given(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!out && std::freopen("CONOUT$", "w", stdout))
        std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (!err && std::freopen("CONOUT$", "w", stderr))
        std::setvbuf(stderr, nullptr, _IONBF, 0);
}
