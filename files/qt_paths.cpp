// Conversions between QString and the plain file code's 8-bit text and paths.
#include "files/qt_paths.h"

#include <QByteArray>

namespace ninefold {

std::string ToLocal8Bit(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

std::string ToUtf8(const QString& text) {
    return text.toStdString();
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::filesystem::path ToFsPath(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(ToLocal8Bit(path));
#endif
}

bool SamePathAnyCase(std::string_view a, std::string_view b) {
    return FromUtf8(a).toLower() == FromUtf8(b).toLower();
}

}  // namespace ninefold
