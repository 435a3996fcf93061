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

constexpr auto kFirstShow = std::chrono::milliseconds(500);
constexpr auto kInterval = std::chrono::milliseconds(200);

}  // namespace

bool StderrIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

Progress::Progress(const char* what)
    : what_(what),
      enabled_(StderrIsTerminal()),
      next_(std::chrono::steady_clock::now() + kFirstShow) {}

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
