// Drawing on whole device pixels, the sunken border, and the palette that ignores disabling.
#include "ui/drawing_surface.h"

#include <QPainter>
#include <QTransform>
#include <cmath>

namespace ninefold {

namespace {

double nearestPixelEdge(double at) {
    return std::floor(at + 0.5);
}

}  // namespace

QRectF SnapToDevicePixels(const QPainter& painter, const QRect& rect) {
    const QTransform toDevice = painter.deviceTransform();
    const QRectF device = toDevice.mapRect(QRectF(rect));
    const QRectF snapped(
        QPointF(nearestPixelEdge(device.left()), nearestPixelEdge(device.top())),
        QPointF(nearestPixelEdge(device.right()), nearestPixelEdge(device.bottom())));
    return toDevice.inverted().mapRect(snapped);
}

void FillSnapped(QPainter& painter, const QRect& rect, const QColor& colour) {
    painter.fillRect(SnapToDevicePixels(painter, rect), colour);
}

void FillRing(QPainter& painter, const QRect& rect, const QColor& topLeft,
              const QColor& bottomRight) {
    const QRectF outer = SnapToDevicePixels(painter, rect);
    const QRectF inner = SnapToDevicePixels(painter, rect.adjusted(1, 1, -1, -1));
    painter.fillRect(QRectF(QPointF(inner.right(), outer.top()), outer.bottomRight()), bottomRight);
    painter.fillRect(QRectF(QPointF(outer.left(), inner.bottom()), outer.bottomRight()),
                     bottomRight);
    painter.fillRect(QRectF(outer.topLeft(), QPointF(inner.right(), inner.top())), topLeft);
    painter.fillRect(QRectF(outer.topLeft(), QPointF(inner.left(), inner.bottom())), topLeft);
}

void DrawSunkenBorder(QPainter& painter, const QRect& rect, const QPalette& palette) {
    FillRing(painter, rect, palette.color(QPalette::Dark), palette.color(QPalette::Light));
    FillRing(painter, rect.adjusted(1, 1, -1, -1), palette.color(QPalette::Shadow),
             palette.color(QPalette::Midlight));
}

QPalette PersistentPalette(QPalette palette) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        if (r == QPalette::NoRole) {
            continue;
        }
        const QBrush active = palette.brush(QPalette::Active, r);
        palette.setBrush(QPalette::Disabled, r, active);
        palette.setBrush(QPalette::Inactive, r, active);
    }
    return palette;
}

}  // namespace ninefold
