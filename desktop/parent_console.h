// Where --help and --version print when the game, a window program on Windows, has no console.
#pragma once

namespace ninefold {

// On Windows, when standard output leads nowhere (the game was started from a console window,
// which a window program does not share), attaches to that console so the text shows there.
// Elsewhere, and when output is redirected, nothing changes.
void PrintToParentConsole();

}  // namespace ninefold
