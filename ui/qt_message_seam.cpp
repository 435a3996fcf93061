// Message boxes through QMessageBox, titled with the application title.
#include "ui/qt_message_seam.h"

#include <QMessageBox>

namespace ninefold {

namespace {

QMessageBox::StandardButton showBox(QWidget* owner, QMessageBox::Icon icon, const std::string& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, QString::fromLatin1(kApplicationTitle), QtMessageSeam::displayText(text),
                    buttons, owner);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

QString QtMessageSeam::displayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void QtMessageSeam::information(const std::string& text) {
    showBox(owner_, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageSeam::exclamation(const std::string& text) {
    showBox(owner_, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessageSeam::question(const std::string& text) {
    return showBox(owner_, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::Yes) == QMessageBox::Yes;
}

void QtMessageSeam::plain(const std::string& text) {
    showBox(owner_, QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

}  // namespace ninefold
