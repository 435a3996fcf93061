// Starting and finishing a long operation, whichever way its scope is left.
#include "ui/operation_guard.h"

#include "ui/game_session.h"

namespace ninefold {

OperationGuard::OperationGuard(GameSession& session) : session_(session) {
    session_.beginOperation();
}

OperationGuard::~OperationGuard() {
    finish();
}

bool OperationGuard::finish() {
    if (!finished_) {
        finished_ = true;
        closed_ = session_.endOperation();
    }
    return closed_;
}

}  // namespace ninefold
