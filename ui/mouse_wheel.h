// The mouse-wheel hook of a window: CMouseWheel turns every wheel turn meant for the window or
// any widget in it into one MouseWheel event carrying a direction of +1 or -1.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>

class QWheelEvent;

namespace ninefold {

// +1 for a turn away from the user, -1 for a turn towards the user, 0 for an event that
// carries no distance at all (the window steps down for anything but +1); nothing for a purely
// horizontal scroll or a touchpad's begin/end marker, which are not wheel turns.
// altSwapsAxes: the platform reports a turn with Alt held on the other axis (X11 does, so that
// Alt+wheel scrolls sideways); the turn is then read back on its own axis, as Alt never changes
// which way the digit steps.
std::optional<int16_t> WheelDirection(const QWheelEvent& event, bool altSwapsAxes);
std::optional<int16_t> WheelDirection(const QWheelEvent& event);
bool PlatformSwapsAltWheelAxes();

class CMouseWheel : public QObject, public std::enable_shared_from_this<CMouseWheel> {
    Q_OBJECT

  public:
    CMouseWheel() = default;

    // The window to hook; nullptr when the window lets go of its object.
    void setForm(QWidget* frmIn) { form_ = frmIn; }
    QWidget* Form() const { return form_; }

    bool MouseWheelCancel() const { return cancel_; }

    // Hooks Form: from now on every wheel event for it goes through this object.
    // The object must be owned by a shared_ptr, which the hook keeps while it is installed.
    void SubClassHookForm();
    void SubClassUnHookForm();

    void FireMouseWheel(int16_t& dir);

  signals:
    // Handlers must be connected directly: both arguments are written back.
    void MouseWheel(int16_t& direct, bool& Cancel);

  private:
    QPointer<QWidget> form_;
    bool cancel_ = false;
};

// The program-wide hook state: one hooked window at a time, as a second hook replaces the first.
namespace mdlScroll {

// Stands where the replaced window procedure stood: an event filter on the hooked window's
// native window, which sees each wheel event once, before the widget under the pointer.
// Passing an event on means returning false, so Qt's own delivery handles it as before.
class WheelWindowProc : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The hooked window, the native window the filter is installed on, and the filter itself.
struct PreviousWindowProcState {
    QPointer<QWidget> window;
    QPointer<QObject> nativeWindow;
    QPointer<WheelWindowProc> filter;
};
extern PreviousWindowProcState PreviousWindowProc;

// The object that installed the hook; held here so it outlives the window's own reference.
extern std::shared_ptr<CMouseWheel> ActiveWheel;

}  // namespace mdlScroll

}  // namespace ninefold
