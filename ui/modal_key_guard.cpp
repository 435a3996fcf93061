// A key's press is remembered where it happened; until its release, its presses at the game
// window are dropped.
#include "ui/modal_key_guard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ninefold {

ModalKeyGuard::ModalKeyGuard(QWidget* gameWindow) : QObject(gameWindow), gameWindow_(gameWindow) {
    QCoreApplication::instance()->installEventFilter(this);
}

ModalKeyGuard::~ModalKeyGuard() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ModalKeyGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) {
        return false;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        // X repeats a held key as release and press pairs; only the real release ends it.
        if (!key->isAutoRepeat()) {
            heldElsewhere_.remove(key->key());
        }
        return false;
    }
    if (widget->window() != gameWindow_) {
        heldElsewhere_.insert(key->key());
        return false;
    }
    return heldElsewhere_.contains(key->key());
}

}  // namespace ninefold
