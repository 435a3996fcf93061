// mdlIcon: gives a window, and the top window of its owner chain, the program's icon at the
// style's large and small icon sizes, each drawn from the compiled-in image nearest that size.
#pragma once

#include <QPixmap>
#include <QString>

class QWidget;

namespace ninefold {

// The image of icon group `resourceName` (":/icons/<name>/<size>.png") at size x size: the
// image of that size itself, else the next larger one scaled down, else the largest scaled up.
// A null pixmap when the group has no images.
QPixmap LoadIconImage(const QString& resourceName, int size);

// The window that owns `window`: its parent's window, or its transient parent; nullptr if none.
QWidget* OwnerOf(const QWidget* window);

void SetWindowIcons(QWidget* window, const QString& resourceName, bool alsoOwner);

}  // namespace ninefold
