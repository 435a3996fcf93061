// The progress line: rewritten in place a few times a second, erased at the end.
#include "cli/progress.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace ninefold::cli {

namespace {

constexpr auto kInterval = std::chrono::milliseconds(200);

bool isTerminal(std::FILE* stream) {
#ifdef _WIN32
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

}  // namespace

// On a terminal that also shows the output lines the progress line would run into them, and
// those lines show the progress anyway; so it is drawn only when the output goes elsewhere.
Progress::Progress(const char* what)
    : what_(what),
      enabled_(isTerminal(stderr) && !isTerminal(stdout)),
      next_(std::chrono::steady_clock::now()) {}

Progress::~Progress() {
    if (shown_) {
        std::fprintf(stderr, "\r%*s\r", 60, "");
        std::fflush(stderr);
    }
}

void Progress::Step() {
    ++done_;
    if (!enabled_) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now < next_) {
        return;
    }
    next_ = now + kInterval;
    shown_ = true;
    std::fprintf(stderr, "\r%s: %llu puzzles", what_, static_cast<unsigned long long>(done_));
    std::fflush(stderr);
}

}  // namespace ninefold::cli
