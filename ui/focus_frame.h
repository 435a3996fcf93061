// The focus frame Shape1 drawn around the current cell box.
#pragma once

#include <QWidget>

namespace ninefold {

// A 1-pixel outline in the window-text colour, transparent inside and to the mouse.
class FocusFrame : public QWidget {
    Q_OBJECT

  public:
    explicit FocusFrame(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ninefold
