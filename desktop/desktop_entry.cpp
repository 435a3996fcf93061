// Reading and writing the one group of a desktop entry the association needs.
#include "desktop/desktop_entry.h"

#include "desktop/exec_line.h"
#include "desktop/text_file.h"

namespace ninefold {

namespace {

const QString kGroup = QStringLiteral("[Desktop Entry]");

}  // namespace

std::optional<DesktopEntry> DesktopEntry::Load(const QString& path) {
    const std::optional<QString> text = ReadTextFile(path);
    if (!text) {
        return std::nullopt;
    }
    DesktopEntry entry;
    bool inGroup = false;
    bool found = false;
    for (const QString& rawLine : text->split('\n')) {
        const QString line = rawLine.trimmed();
        if (line.startsWith('[')) {
            inGroup = line == kGroup;
            found = found || inGroup;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inGroup || line.startsWith('#') || equals <= 0) {
            continue;
        }
        const QString key = line.left(equals).trimmed();
        const QString value = UnescapeEntryValue(line.mid(equals + 1).trimmed());
        if (!entry.Has(key)) {
            entry.values_.append({key, value});
        }
    }
    if (!found) {
        return std::nullopt;
    }
    return entry;
}

std::optional<QString> DesktopEntry::Value(const QString& key) const {
    for (const auto& [name, value] : values_) {
        if (name == key) {
            return value;
        }
    }
    return std::nullopt;
}

void DesktopEntry::SetValue(const QString& key, const QString& value) {
    for (auto& [name, stored] : values_) {
        if (name == key) {
            stored = value;
            return;
        }
    }
    values_.append({key, value});
}

void DesktopEntry::Remove(const QString& key) {
    values_.removeIf([&key](const QPair<QString, QString>& pair) { return pair.first == key; });
}

QString DesktopEntry::Text() const {
    QString text = kGroup + '\n';
    for (const auto& [name, value] : values_) {
        text += name + '=' + EscapeEntryValue(value) + '\n';
    }
    return text;
}

bool DesktopEntry::Save(const QString& path) const {
    return WriteTextFile(path, Text());
}

}  // namespace ninefold
