// The accessible interfaces of the cell boxes and candidate boxes. Each keeps its name (set
// when the box is made) and reads its value live from what the box shows; the value is also
// offered as read-only text, the form in which screen readers on the Linux desktop read it.
#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QStringList>
#include <functional>

#include "ui/cell_box.h"
#include "ui/solve_box.h"

namespace ninefold {

namespace {

class ShownValueAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    ShownValueAccessible(QWidget* box, QAccessible::Role role, std::function<QString()> value)
        : QAccessibleWidget(box, role), value_(std::move(value)), announced_(value_()) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? value_() : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    void announce() {
        const QString now = value_();
        if (now == announced_) {
            return;
        }
        QAccessibleTextUpdateEvent textEvent(object(), 0, announced_, now);
        QAccessible::updateAccessibility(&textEvent);
        QAccessibleValueChangeEvent valueEvent(object(), now);
        QAccessible::updateAccessibility(&valueEvent);
        announced_ = now;
    }

    // The value as text with neither caret nor selection.
    QString text(int start, int end) const override { return value_().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(value_().size()); }
    void selection(int /*index*/, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int /*start*/, int /*end*/) override {}
    void removeSelection(int /*index*/) override {}
    void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

  private:
    std::function<QString()> value_;
    QString announced_;
};

QAccessibleInterface* makeInterface(const QString& /*className*/, QObject* object) {
    if (auto* cell = qobject_cast<CellBox*>(object)) {
        return new ShownValueAccessible(cell, QAccessible::Cell,
                                        [cell] { return CellAccessibleValue(cell->cell()); });
    }
    if (auto* box = qobject_cast<SolveBox*>(object)) {
        return new ShownValueAccessible(box, QAccessible::StaticText, [box] {
            return CandidateAccessibleValue(box->entries(), box->drawn());
        });
    }
    return nullptr;
}

}  // namespace

QString CellAccessibleName(int index) {
    const auto [row, column] = CellRowCol(index);
    return QCoreApplication::translate("Accessibility", "Row %1, column %2").arg(row).arg(column);
}

QString CandidateAccessibleName(int index) {
    const auto [row, column] = CellRowCol(index);
    return QCoreApplication::translate("Accessibility", "Candidates of row %1, column %2")
        .arg(row)
        .arg(column);
}

QString CellAccessibleValue(const CellState& cell) {
    if (cell.Digit == 0) {
        //: A cell without a digit, as a screen reader reads it.
        return QCoreApplication::translate("Accessibility", "empty");
    }
    return cell.Fixed ? QCoreApplication::translate("Accessibility", "%1, given").arg(cell.Digit)
                      : QString::number(cell.Digit);
}

QString CandidateAccessibleValue(const std::array<uint8_t, 9>& entries, bool drawn) {
    if (!drawn) {
        return {};
    }
    QStringList digits;
    for (const uint8_t entry : entries) {
        if (entry != 0) {
            digits << QString::number(entry);
        }
    }
    return digits.isEmpty() ? QCoreApplication::translate("Accessibility", "none")
                            : digits.join(QLatin1Char(' '));
}

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    (void)installed;
}

void AnnounceShownValue(QWidget* box) {
    if (!QAccessible::isActive()) {
        return;
    }
    if (auto* shown =
            dynamic_cast<ShownValueAccessible*>(QAccessible::queryAccessibleInterface(box))) {
        shown->announce();
    }
}

}  // namespace ninefold
