// A long operation (Solve, Generate, the search hot key) from its start to its finish: while
// one is running the session refuses every other command, and at its finish the cells are
// announced and a close that came in meanwhile is carried out.
#pragma once

namespace ninefold {

class GameSession;

class OperationGuard {
  public:
    explicit OperationGuard(GameSession& session);
    ~OperationGuard();
    OperationGuard(const OperationGuard&) = delete;
    OperationGuard& operator=(const OperationGuard&) = delete;

    // Finishes the operation now rather than at the end of the scope; true when the window
    // closed as it finished, so the operation's outcome is no longer shown.
    bool finish();

  private:
    GameSession& session_;
    bool finished_ = false;
    bool closed_ = false;
};

}  // namespace ninefold
