// Wheel events as the windowing system delivers them: to the top-level native window, at a
// point inside it, from where Qt hands them to the widget under the pointer.
#pragma once

#include <QCoreApplication>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

namespace ninefold::testing {

inline void SendWheel(QWidget* over, QPoint angle, QPoint pixel = {}, bool inverted = false,
                      Qt::ScrollPhase phase = Qt::NoScrollPhase) {
    QWidget* window = over->window();
    const QPoint inWindow = over->mapTo(window, over->rect().center());
    QWheelEvent event(inWindow, window->mapToGlobal(inWindow), pixel, angle, Qt::NoButton,
                      Qt::NoModifier, phase, inverted);
    QCoreApplication::sendEvent(window->windowHandle(), &event);
}

inline constexpr QPoint kAway{0, 120};
inline constexpr QPoint kTowards{0, -120};

}  // namespace ninefold::testing
