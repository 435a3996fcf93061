// Window icons from the images compiled in under ":/icons/".
#include "desktop/window_icons.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <map>

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
