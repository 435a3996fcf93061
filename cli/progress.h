// A running count of finished puzzles on standard error, shown only when standard error is
// a terminal and only once a run lasts long enough to need it; standard output never sees it.
#pragma once

#include <chrono>
#include <cstdint>

namespace ninefold::cli {

class Progress {
  public:
    explicit Progress(const char* what);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // One more puzzle done.
    void Step();

  private:
    const char* what_;
    bool enabled_;
    bool shown_ = false;
    uint64_t done_ = 0;
    std::chrono::steady_clock::time_point next_;
};

bool StderrIsTerminal();

}  // namespace ninefold::cli
