// The wheel hook: an event filter on the hooked window's native window, the one place every
// wheel event for the window passes exactly once, whichever widget is under the pointer.
#include "ui/mouse_wheel.h"

#include <QGuiApplication>
#include <QWheelEvent>
#include <QWindow>

#include "ui/native_wheel_filter.h"

namespace ninefold {

bool PlatformSwapsAltWheelAxes() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

std::optional<int16_t> WheelDirection(const QWheelEvent& event) {
    return WheelDirection(event, PlatformSwapsAltWheelAxes());
}

std::optional<int16_t> WheelDirection(const QWheelEvent& event, bool altSwapsAxes) {
    const bool swapped = altSwapsAxes && event.modifiers().testFlag(Qt::AltModifier);
    const QPoint angle = swapped ? event.angleDelta().transposed() : event.angleDelta();
    const QPoint pixel = swapped ? event.pixelDelta().transposed() : event.pixelDelta();
    int vertical = angle.y() != 0 ? angle.y() : pixel.y();
    // A reversed scrolling setting flips the reported sign; the direction is the wheel's own.
    if (event.inverted()) {
        vertical = -vertical;
    }
    if (vertical != 0) {
        return static_cast<int16_t>(vertical > 0 ? 1 : -1);
    }
    if (angle.x() != 0 || pixel.x() != 0) {
        return std::nullopt;
    }
    if (event.phase() == Qt::ScrollBegin || event.phase() == Qt::ScrollEnd) {
        return std::nullopt;
    }
    return static_cast<int16_t>(0);
}

void CMouseWheel::FireMouseWheel(int16_t& dir) {
    emit MouseWheel(dir, cancel_);
}

namespace mdlScroll {

PreviousWindowProcState PreviousWindowProc;
std::shared_ptr<CMouseWheel> ActiveWheel;

namespace {

// Moves the filter onto the window's current native window; Qt may replace that window when
// the widget is re-created.
void attachToNativeWindow() {
    PreviousWindowProcState& state = PreviousWindowProc;
    if (state.nativeWindow) {
        state.nativeWindow->removeEventFilter(state.filter);
    }
    state.nativeWindow = state.window ? state.window->windowHandle() : nullptr;
    if (state.nativeWindow) {
        state.nativeWindow->installEventFilter(state.filter);
    }
}

void releaseHook() {
    PreviousWindowProcState& state = PreviousWindowProc;
    if (state.nativeWindow) {
        state.nativeWindow->removeEventFilter(state.filter);
    }
    if (state.window) {
        state.window->removeEventFilter(state.filter);
    }
    delete state.filter.data();
    state = {};
    RemoveNativeWheelFilter();
    // Dropped last: this may end the wheel object whose member function called us.
    std::shared_ptr<CMouseWheel> released = std::move(ActiveWheel);
}

}  // namespace

bool WheelWindowProc::eventFilter(QObject* watched, QEvent* event) {
    PreviousWindowProcState& state = PreviousWindowProc;
    if (event->type() == QEvent::WinIdChange && watched == state.window) {
        attachToNativeWindow();
        return false;
    }
    if (event->type() != QEvent::Wheel || watched != state.nativeWindow) {
        return false;
    }
    // On Windows the wheel is read from its messages; Qt's event for the same turn passes.
    if (NativeWheelFilterActive()) {
        return false;
    }
    // A disabled window (the wait window is up) takes no wheel turns.
    if (!state.window || !state.window->isEnabled() || !ActiveWheel) {
        return false;
    }
    const std::optional<int16_t> dir = WheelDirection(*static_cast<QWheelEvent*>(event));
    if (!dir) {
        return false;
    }
    const std::shared_ptr<CMouseWheel> wheel = ActiveWheel;  // a handler may unhook
    int16_t direct = *dir;
    wheel->FireMouseWheel(direct);
    return wheel->MouseWheelCancel();
}

}  // namespace mdlScroll

void CMouseWheel::SubClassHookForm() {
    using mdlScroll::PreviousWindowProc;
    if (!form_) {
        return;
    }
    if (PreviousWindowProc.filter) {
        mdlScroll::releaseHook();
    }
    QWidget* window = form_->window();
    window->winId();  // makes sure the native window exists
    PreviousWindowProc.window = window;
    PreviousWindowProc.filter = new mdlScroll::WheelWindowProc();
    window->installEventFilter(PreviousWindowProc.filter);
    mdlScroll::attachToNativeWindow();
    mdlScroll::InstallNativeWheelFilter();
    connect(window, &QObject::destroyed, PreviousWindowProc.filter,
            [] { mdlScroll::releaseHook(); });
    mdlScroll::ActiveWheel = shared_from_this();
}

void CMouseWheel::SubClassUnHookForm() {
    if (mdlScroll::PreviousWindowProc.filter && mdlScroll::ActiveWheel.get() == this) {
        mdlScroll::releaseHook();
    }
}

}  // namespace ninefold
