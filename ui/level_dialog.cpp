// The level chooser: four radio buttons; the digit keys and the arrows move the choice (and the
// focus with it) and the dialog's default button takes Enter.
#include "ui/level_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/message_seam.h"

namespace ninefold {

namespace {

// The captions, translated when the dialog is made; keys 1-4 choose by place, whatever the
// captions read.
constexpr std::array<const char*, steps::kLevelCount> kCaptions = {
    QT_TRANSLATE_NOOP("frmLevel", "&1 Easy"), QT_TRANSLATE_NOOP("frmLevel", "&2 Medium"),
    QT_TRANSLATE_NOOP("frmLevel", "&3 Hard"), QT_TRANSLATE_NOOP("frmLevel", "&4 Diabolical")};

}  // namespace

LevelDialog::LevelDialog(steps::Level preselected, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmLevel"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QCoreApplication::translate("frmLevel", "Generate a puzzle of the level:"), this));
    for (int k = 0; k < steps::kLevelCount; ++k) {
        choices_[k] = new QRadioButton(QCoreApplication::translate("frmLevel", kCaptions[k]), this);
        choices_[k]->setObjectName(QStringLiteral("optLevel%1").arg(k + 1));
        choices_[k]->installEventFilter(this);
        layout->addWidget(choices_[k]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    select(static_cast<int>(preselected));
}

steps::Level LevelDialog::chosen() const {
    for (int k = 0; k < steps::kLevelCount; ++k) {
        if (choices_[k]->isChecked()) {
            return static_cast<steps::Level>(k);
        }
    }
    return steps::Level::Medium;
}

int LevelDialog::choiceAfter(const QKeyEvent& key) const {
    if (key.modifiers() != Qt::NoModifier && key.modifiers() != Qt::KeypadModifier) {
        return -1;
    }
    const int current = static_cast<int>(chosen());
    switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            return std::max(current - 1, 0);
        case Qt::Key_Down:
        case Qt::Key_Right:
            return std::min(current + 1, steps::kLevelCount - 1);
        default: {
            const int k = key.key() - Qt::Key_1;
            return k >= 0 && k < steps::kLevelCount ? k : -1;
        }
    }
}

void LevelDialog::select(int k) {
    choices_[k]->setChecked(true);
    choices_[k]->setFocus();
}

bool LevelDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int k = choiceAfter(*static_cast<QKeyEvent*>(event));
        if (k >= 0) {
            select(k);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LevelDialog::keyPressEvent(QKeyEvent* event) {
    if (const int k = choiceAfter(*event); k >= 0) {
        select(k);
        return;
    }
    QDialog::keyPressEvent(event);
}

std::optional<steps::Level> LevelDialog::ask(steps::Level preselected, QWidget* parent) {
    LevelDialog dialog(preselected, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosen();
}

}  // namespace ninefold
