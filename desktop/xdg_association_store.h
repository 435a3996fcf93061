// The association rows kept where Linux desktops look for them, under the user's XDG data and
// config folders. For a class C (lower case c) and an extension E:
//   C                       type name     comment of type application/x-c in mime/packages/C.xml
//   .E                      class         glob *.E in that package (the highest weight wins)
//   C\shell\open\command    open command  Exec of applications/c-association.desktop, which
//                                         mimeapps.list makes the type's default application
//   C\DefaultIcon           icon location Icon of that entry (the program's icon, copied into
//                                         the user's hicolor theme) and the location itself
// Other keys and value names are not kept: writing them does nothing and reading gives "".
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "desktop/association_store.h"

namespace ninefold {

class DesktopEntry;

class XdgAssociationStore : public AssociationStore {
  public:
    // Starts a program without waiting for it; false when it could not be started.
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;

    XdgAssociationStore(QString dataHome, QString configHome, Launcher launcher);
    // $XDG_DATA_HOME and $XDG_CONFIG_HOME (or ~/.local/share and ~/.config), tools detached.
    static std::unique_ptr<XdgAssociationStore> ForCurrentUser();

    void SetRegString(RegRoot root, const QString& key, const QString& name,
                      const QString& data) override;
    void DeleteRegValue(RegRoot root, const QString& key, const QString& name) override;
    QString GetRegString(RegRoot root, const QString& key, const QString& name) override;
    // Runs update-mime-database and update-desktop-database on the user's folders.
    void NotifyShell() override;

    static QString MimeTypeOf(const QString& className);
    static QString EntryIdOf(const QString& className);
    static QString IconNameOf(const QString& className);
    QString PackagePath(const QString& className) const;
    QString EntryPath(const QString& className) const;
    QString MimeAppsPath() const;

  private:
    QString readTypeName(const QString& className) const;
    QString readExtension(const QString& extension) const;
    QString readOpenCommand(const QString& className) const;
    QString readDefaultIcon(const QString& className) const;
    void writeTypeName(const QString& className, const std::optional<QString>& data);
    void writeExtension(const QString& extension, const QString& className);
    void deleteExtension(const QString& extension);
    void writeOpenCommand(const QString& className, const std::optional<QString>& data);
    void writeDefaultIcon(const QString& className, const std::optional<QString>& data);
    void saveOrRemoveEntry(const QString& className, const DesktopEntry& entry) const;
    QString locateEntry(const QString& desktopId) const;

    QString dataHome_;
    QString configHome_;
    Launcher launcher_;
};

}  // namespace ninefold
