// Line-preserving edits of the default-application section of mimeapps.list.
#include "desktop/mimeapps_list.h"

#include "desktop/text_file.h"

namespace ninefold {

namespace {

const QString kSection = QStringLiteral("[Default Applications]");

struct Located {
    qsizetype section = -1;  // the section's header line
    qsizetype entry = -1;    // the type's line inside it
    QStringList ids;
};

QString keyOf(const QString& line) {
    const qsizetype equals = line.indexOf('=');
    return equals < 0 ? QString() : line.left(equals).trimmed();
}

Located locate(const QStringList& lines, const QString& mimeType) {
    Located found;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith('[')) {
            inSection = line == kSection;
            if (inSection && found.section < 0) {
                found.section = i;
            }
        } else if (inSection && found.entry < 0 && keyOf(line) == mimeType) {
            found.entry = i;
            const QString value = line.mid(line.indexOf('=') + 1);
            for (const QString& id : value.split(';', Qt::SkipEmptyParts)) {
                found.ids << id.trimmed();
            }
        }
    }
    return found;
}

QStringList readLines(const QString& path) {
    QString text = ReadTextFile(path).value_or(QString());
    if (text.endsWith('\n')) {
        text.chop(1);
    }
    return text.isEmpty() ? QStringList() : text.split('\n');
}

bool writeLines(const QString& path, const QStringList& lines) {
    return WriteTextFile(path, lines.isEmpty() ? QString() : lines.join('\n') + '\n');
}

}  // namespace

QStringList DefaultApplications(const QString& path, const QString& mimeType) {
    return locate(readLines(path), mimeType).ids;
}

bool AddDefaultApplication(const QString& path, const QString& mimeType, const QString& desktopId) {
    QStringList lines = readLines(path);
    Located found = locate(lines, mimeType);
    if (found.ids.value(0) == desktopId) {
        return true;
    }
    found.ids.removeAll(desktopId);
    found.ids.prepend(desktopId);
    const QString line = mimeType + '=' + found.ids.join(';') + ';';
    if (found.entry >= 0) {
        lines[found.entry] = line;
    } else if (found.section >= 0) {
        lines.insert(found.section + 1, line);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) {
            lines << QString();
        }
        lines << kSection << line;
    }
    return writeLines(path, lines);
}

bool RemoveDefaultApplication(const QString& path, const QString& mimeType,
                              const QString& desktopId) {
    QStringList lines = readLines(path);
    Located found = locate(lines, mimeType);
    if (found.entry < 0 || !found.ids.contains(desktopId)) {
        return true;
    }
    found.ids.removeAll(desktopId);
    if (found.ids.isEmpty()) {
        lines.removeAt(found.entry);
    } else {
        lines[found.entry] = mimeType + '=' + found.ids.join(';') + ';';
    }
    return writeLines(path, lines);
}

}  // namespace ninefold
