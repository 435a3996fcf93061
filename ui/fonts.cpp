// Picks the first installed face of each list; sizes are points at 96 pixels per inch.
#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <initializer_list>

namespace ninefold {

namespace {

QFont firstInstalled(std::initializer_list<const char*> faces, int pixelSize) {
    const QStringList installed = QFontDatabase::families();
    QFont font;
    for (const char* face : faces) {
        if (installed.contains(QLatin1String(face), Qt::CaseInsensitive)) {
            font.setFamily(QLatin1String(face));
            break;
        }
    }
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

}  // namespace

QFont CellFont() {
    return firstInstalled(
        {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"}, 16);
}

QFont PanelFont() {
    return firstInstalled(
        {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"}, 11);
}

QFont CandidateFont() {
    return firstInstalled({"Arial", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"}, 11);
}

QFont WaitFont() {
    return firstInstalled({"Times New Roman", "Liberation Serif", "Nimbus Roman", "DejaVu Serif"},
                          19);
}

}  // namespace ninefold
