// A candidate box Solve(i) of the candidate panel: the digits cell i may still take, in a
// 3 x 3 pattern, as the last double-click on the panel found them.
#pragma once

#include <QColor>
#include <QWidget>
#include <array>
#include <cstdint>

namespace ninefold {

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

}  // namespace ninefold
