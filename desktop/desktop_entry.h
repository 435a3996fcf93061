// The [Desktop Entry] group of a desktop entry file: its keys in file order, values read and
// written with the general string escapes.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

namespace ninefold {

class DesktopEntry {
  public:
    // nullopt when the file is missing, unreadable or has no [Desktop Entry] group.
    static std::optional<DesktopEntry> Load(const QString& path);

    std::optional<QString> Value(const QString& key) const;
    void SetValue(const QString& key, const QString& value);
    void Remove(const QString& key);
    bool Has(const QString& key) const { return Value(key).has_value(); }

    QString Text() const;
    bool Save(const QString& path) const;

  private:
    QList<QPair<QString, QString>> values_;
};

}  // namespace ninefold
