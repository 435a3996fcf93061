// The candidate panel picSolveHolder and its 81 candidate boxes Solve(i). The panel shows,
// on a double-click, which digits each cell may still take, in a 3 x 3 pattern per box, and
// can be dragged with the left mouse button.
#pragma once

#include <QColor>
#include <QFrame>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

namespace ninefold {

class frmGame;

inline constexpr int kSolveBoxWidth = 40;
inline constexpr int kSolveBoxHeight = 41;

// A candidate box: keeps what the last DrawCandidates drew and paints it again on demand.
// It takes no mouse input; the panel beneath receives it.
class SolveBox : public QWidget {
    Q_OBJECT

  public:
    explicit SolveBox(QWidget* parent);

    // Erases the box and draws the nine entries (the digit while possible, 0 when excluded).
    void drawEntries(const std::array<uint8_t, 9>& entries);
    bool drawn() const { return drawn_; }
    const std::array<uint8_t, 9>& entries() const { return entries_; }
    // The top-left corner of digit d's slot (1–9), in box pixels.
    QPoint slotPosition(int digit) const;

    QColor possibleColour() const;  // the template's text colour
    QColor excludedColour() const;  // the template's background colour

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<uint8_t, 9> entries_{};
    bool drawn_ = false;
};

class CandidatePanel : public QFrame {
    Q_OBJECT

  public:
    CandidatePanel(frmGame& game, QWidget* parent);

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
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QPointF innerPosition(const QMouseEvent& event) const;

    frmGame& game_;
    std::array<SolveBox*, 82> boxes_{};
    QString header_;
    QPoint headerAt_;
};

}  // namespace ninefold
