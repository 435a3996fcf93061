// Window icons from the images compiled in under ":/icons/".
#include "desktop/window_icons.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <map>

#ifdef _WIN32
#include <windows.h>
#undef small  // rpcndr.h's other name for char

#include <QGuiApplication>
#endif

namespace ninefold {

namespace {

// The group's images by their size, read from the file names.
std::map<int, QString> iconImages(const QString& resourceName) {
    std::map<int, QString> images;
    const QDir group(QStringLiteral(":/icons/") + resourceName);
    for (const QString& file : group.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        bool ok = false;
        const int size = QFileInfo(file).baseName().toInt(&ok);
        if (ok && size > 0) {
            images[size] = group.filePath(file);
        }
    }
    return images;
}

}  // namespace

QPixmap LoadIconImage(const QString& resourceName, int size) {
    const std::map<int, QString> images = iconImages(resourceName);
    if (images.empty() || size <= 0) {
        return QPixmap();
    }
    auto fit = images.lower_bound(size);
    if (fit == images.end()) {
        fit = std::prev(images.end());
    }
    const QPixmap image(fit->second);
    if (fit->first == size) {
        return image;
    }
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QWidget* OwnerOf(const QWidget* window) {
    if (QWidget* parent = window->parentWidget()) {
        return parent->window();
    }
    const QWindow* handle = window->windowHandle();
    const QWindow* transient = handle ? handle->transientParent() : nullptr;
    if (!transient) {
        return nullptr;
    }
    for (QWidget* candidate : QApplication::topLevelWidgets()) {
        if (candidate->windowHandle() == transient) {
            return candidate;
        }
    }
    return nullptr;
}

void SetWindowIcons(QWidget* window, const QString& resourceName, bool alsoOwner) {
    QWidget* top = window;
    if (alsoOwner) {
        while (QWidget* owner = OwnerOf(top)) {
            top = owner;
        }
    }
    const QStyle* style = window->style();
    const int large = style->pixelMetric(QStyle::PM_LargeIconSize, nullptr, window);
    const int small = style->pixelMetric(QStyle::PM_SmallIconSize, nullptr, window);
#ifdef _WIN32
    // On Windows the icons are the executable's own resource, loaded at the system's large
    // and small icon sizes; Qt's offscreen platform, where the tests run, has no such windows.
    if (QGuiApplication::platformName() == QLatin1String("windows")) {
        const std::wstring name = resourceName.toStdWString();
        const HWND topHandle = reinterpret_cast<HWND>(top->winId());
        const HWND handle = reinterpret_cast<HWND>(window->winId());
        const std::pair<WPARAM, std::pair<int, int>> kinds[] = {
            {ICON_BIG, {SM_CXICON, SM_CYICON}}, {ICON_SMALL, {SM_CXSMICON, SM_CYSMICON}}};
        for (const auto& [kind, metrics] : kinds) {
            const LPARAM icon = reinterpret_cast<LPARAM>(LoadImageW(
                GetModuleHandleW(nullptr), name.c_str(), IMAGE_ICON,
                GetSystemMetrics(metrics.first), GetSystemMetrics(metrics.second), LR_SHARED));
            if (alsoOwner) {
                SendMessageW(topHandle, WM_SETICON, kind, icon);
            }
            SendMessageW(handle, WM_SETICON, kind, icon);
        }
        return;
    }
#endif
    // Qt keeps one icon per window; it carries both sizes, as the large and small icons would.
    QIcon icon;
    for (const int size : {large, small}) {
        const QPixmap image = LoadIconImage(resourceName, size);
        if (!image.isNull()) {
            icon.addPixmap(image);
        }
    }
    if (alsoOwner) {
        top->setWindowIcon(icon);
    }
    window->setWindowIcon(icon);
}

}  // namespace ninefold
