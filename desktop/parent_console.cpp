// Standard output of the game on Windows: the console it was started from, if any.
#include "desktop/parent_console.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#endif

namespace ninefold {

void PrintToParentConsole() {
#ifdef _WIN32
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE) {
        return;  // a file or pipe the caller gave us
    }
    if (AttachConsole(ATTACH_PARENT_PROCESS) != 0) {
        static_cast<void>(std::freopen("CONOUT$", "w", stdout));
        static_cast<void>(std::freopen("CONOUT$", "w", stderr));
    }
#endif
}

}  // namespace ninefold
