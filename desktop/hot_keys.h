// The game window's hidden key combinations: Shift+Alt+E registers the ".nfd" association,
// Shift+Alt+D removes it, Shift+Alt+L runs the solver's search on its own.
#pragma once

#include <functional>

namespace ninefold {

enum class HotKey { None, RegisterExtension, UnregisterExtension, SearchSolution };

// keyCode is the key's classic virtual-key number (E = 69, D = 68, L = 76), shift the state of
// Shift (1), Ctrl (2) and Alt (4). A combination counts only with exactly Shift and Alt held.
HotKey MatchHotKey(int keyCode, int shift);

// Runs the action of a combination: the association ones through mdlExtension, the search
// through `searchSolution`. Returns which combination it was.
HotKey HandleHotKey(int keyCode, int shift, const std::function<void()>& searchSolution);

}  // namespace ninefold
