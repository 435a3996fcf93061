// The style draws the menu bar's bottom edge piece by piece, under each menu title and under
// the free space beside them. At a fractional scale the pieces end on different device pixels
// and the edge breaks into segments; here it is drawn again as one piece.
#include "ui/menu_bar.h"

#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionMenuItem>

namespace ninefold {

void MenuBar::paintEvent(QPaintEvent* event) {
    QMenuBar::paintEvent(event);
    QPainter painter(this);
    // The two bottom rows hold the edge; no title's text reaches them.
    QRegion edge(0, height() - 2, width(), 2);
    // An open menu's title is drawn highlighted down to the bottom; leave it as it is.
    if (QAction* open = activeAction();
        open != nullptr && open->menu() != nullptr && open->menu()->isVisible()) {
        edge -= actionGeometry(open);
    }
    painter.setClipRegion(edge);
    QStyleOptionMenuItem option;
    option.initFrom(this);
    option.menuItemType = QStyleOptionMenuItem::EmptyArea;
    option.checkType = QStyleOptionMenuItem::NotCheckable;
    // One pixel wider than the bar, so the edge also reaches the bar's last device pixel.
    option.rect = rect().adjusted(0, 0, 1, 0);
    option.menuRect = option.rect;
    option.state = QStyle::State_None;
    style()->drawControl(QStyle::CE_MenuBarEmptyArea, &option, &painter, this);
}

}  // namespace ninefold
