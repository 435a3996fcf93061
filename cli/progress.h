// A running count of finished puzzles on standard error, drawn only when standard error is
// a terminal (and the output lines go elsewhere), erased at the end; standard output never
// sees it.
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

}  // namespace ninefold::cli
