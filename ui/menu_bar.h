// The game window's menu bar, whose bottom edge stays one unbroken line at every scale.
#pragma once

#include <QMenuBar>

namespace ninefold {

class MenuBar : public QMenuBar {
    Q_OBJECT

  public:
    explicit MenuBar(QWidget* parent) : QMenuBar(parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ninefold
