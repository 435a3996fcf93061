// The Windows half of the wheel hook: a native event filter that sees WM_MOUSEWHEEL before Qt
// turns it into a wheel event, and fires the hooked window's MouseWheel event once per message.
#include "ui/native_wheel_filter.h"

#ifdef _WIN32
#include <windows.h>

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

#include "ui/mouse_wheel.h"
#endif

namespace ninefold::mdlScroll {

int16_t WheelMessageDirection(std::uint64_t wParam) {
    const auto value = static_cast<int32_t>(static_cast<uint32_t>(wParam));
    return static_cast<int16_t>(value > 0 ? 1 : value < 0 ? -1 : 0);
}

#ifdef _WIN32

namespace {

class WheelMessageFilter : public QAbstractNativeEventFilter {
  public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override {
        if (eventType != "windows_generic_MSG") {
            return false;
        }
        const MSG* msg = static_cast<const MSG*>(message);
        const PreviousWindowProcState& state = PreviousWindowProc;
        if (msg->message != kWheelMessage || !state.window || !ActiveWheel) {
            return false;
        }
        // Only the hooked window's own messages; a disabled window (the wait window is up)
        // takes no wheel turns.
        if (msg->hwnd != reinterpret_cast<HWND>(state.window->winId()) ||
            !state.window->isEnabled()) {
            return false;
        }
        const std::shared_ptr<CMouseWheel> wheel = ActiveWheel;  // a handler may unhook
        int16_t dir = WheelMessageDirection(static_cast<std::uint64_t>(msg->wParam));
        wheel->FireMouseWheel(dir);
        if (wheel->MouseWheelCancel()) {
            *result = 0;
            return true;
        }
        return false;
    }
};

std::unique_ptr<WheelMessageFilter> installed;

}  // namespace

void InstallNativeWheelFilter() {
    // Qt's offscreen platform, where the tests run, has no window messages.
    if (installed || QGuiApplication::platformName() != QLatin1String("windows")) {
        return;
    }
    installed = std::make_unique<WheelMessageFilter>();
    QCoreApplication::instance()->installNativeEventFilter(installed.get());
}

void RemoveNativeWheelFilter() {
    if (installed) {
        if (QCoreApplication* app = QCoreApplication::instance()) {
            app->removeNativeEventFilter(installed.get());
        }
        installed.reset();
    }
}

bool NativeWheelFilterActive() {
    return installed != nullptr;
}

#else

void InstallNativeWheelFilter() {}
void RemoveNativeWheelFilter() {}
bool NativeWheelFilterActive() {
    return false;
}

#endif

}  // namespace ninefold::mdlScroll
