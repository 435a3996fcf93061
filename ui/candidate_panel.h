// The candidate panel picSolveHolder, holding the 81 candidate boxes Solve(i). A double-click
// on it shows which digits each cell may still take, and the left mouse button drags it; both
// go to the game session.
#pragma once

#include <QFrame>
#include <QString>
#include <array>

namespace ninefold {

class GameSession;
class SolveBox;

class CandidatePanel : public QFrame {
    Q_OBJECT

  public:
    CandidatePanel(GameSession& session, QWidget* parent);

    SolveBox* box(int i) const { return boxes_[i]; }
    void setBox(int i, SolveBox* box) { boxes_[i] = box; }
    // Sizes the panel so its inner area is the given size.
    void setInnerSize(QSize inner);
    QSize innerSize() const { return contentsRect().size(); }

    // The header text and where it starts in the inner area; drawn beneath the boxes.
    void setHeader(const QString& text, QPoint at);
    const QString& headerText() const { return header_; }
    QPoint headerPosition() const { return headerAt_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QPointF innerPosition(const QMouseEvent& event) const;

    GameSession& session_;
    std::array<SolveBox*, 82> boxes_{};
    QString header_;
    QPoint headerAt_;
};

}  // namespace ninefold
