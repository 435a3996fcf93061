// The association rows as XDG files: a MIME package, a desktop entry, a mimeapps.list line and
// icon files, each written only through the row it belongs to.
#include "desktop/xdg_association_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

#include "desktop/desktop_entry.h"
#include "desktop/exec_line.h"
#include "desktop/mime_package.h"
#include "desktop/mimeapps_list.h"
#include "desktop/text_file.h"

namespace ninefold {

namespace {

// Our glob outweighs the usual 50, so a registered ".nfd" is ours even where another type
// claims it too; removing the row hands it back.
constexpr int kOwnGlobWeight = 60;
const QString kLocationKey = QStringLiteral("X-Ninefold-DefaultIcon");
const QString kIconResource = QStringLiteral(":/icons/AAA");

enum class RowKind { TypeName, Extension, OpenCommand, DefaultIcon, Unknown };

struct RowKey {
    RowKind kind = RowKind::Unknown;
    QString part;  // the class, or the extension with its dot
};

bool isClassName(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._+-]*$"));
    return pattern.match(text).hasMatch();
}

bool isExtension(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^\\.[A-Za-z0-9_+-][A-Za-z0-9._+-]*$"));
    return pattern.match(text).hasMatch();
}

RowKey parseKey(const QString& key, const QString& name) {
    const QStringList parts = key.split('\\');
    if (!name.isEmpty() || !isClassName(parts[0])) {
        return isExtension(key) && name.isEmpty() ? RowKey{RowKind::Extension, key} : RowKey{};
    }
    const auto is = [](const QString& part, const char* word) {
        return part.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    };
    if (parts.size() == 1) {
        return {RowKind::TypeName, parts[0]};
    }
    if (parts.size() == 2 && is(parts[1], "DefaultIcon")) {
        return {RowKind::DefaultIcon, parts[0]};
    }
    if (parts.size() == 4 && is(parts[1], "shell") && is(parts[2], "open") &&
        is(parts[3], "command")) {
        return {RowKind::OpenCommand, parts[0]};
    }
    return {};
}

// A row kept in a file that exists but can't be read is left alone: writing the row would
// replace, unseen, whatever else the user keeps in that file.
bool rowFileUnreadable(const XdgAssociationStore& store, const RowKey& row, const QString& data) {
    QStringList files;
    switch (row.kind) {
        case RowKind::TypeName:
            files << store.PackagePath(row.part);
            break;
        case RowKind::Extension:
            // Removal finds the package by reading it, so only a readable one is ever edited.
            if (!data.isEmpty()) {
                files << store.PackagePath(data);
            }
            break;
        case RowKind::OpenCommand:
            files << store.EntryPath(row.part) << store.MimeAppsPath();
            break;
        case RowKind::DefaultIcon:
            files << store.EntryPath(row.part);
            break;
        case RowKind::Unknown:
            break;
    }
    return std::ranges::any_of(files, IsUnreadable);
}

QStringList iconSizes() {
    QStringList sizes;
    for (const QString& file : QDir(kIconResource).entryList({QStringLiteral("*.png")})) {
        sizes << QFileInfo(file).baseName();
    }
    return sizes;
}

QString iconFilePath(const QString& dataHome, const QString& size, const QString& iconName) {
    return QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png").arg(dataHome, size, iconName);
}

}  // namespace

XdgAssociationStore::XdgAssociationStore(QString dataHome, QString configHome, Launcher launcher)
    : dataHome_(std::move(dataHome)),
      configHome_(std::move(configHome)),
      launcher_(std::move(launcher)) {}

std::unique_ptr<XdgAssociationStore> XdgAssociationStore::ForCurrentUser() {
    return std::make_unique<XdgAssociationStore>(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        [](const QString& program, const QStringList& arguments) {
            return QProcess::startDetached(program, arguments);
        });
}

QString XdgAssociationStore::MimeTypeOf(const QString& className) {
    return QStringLiteral("application/x-") + className.toLower();
}

QString XdgAssociationStore::EntryIdOf(const QString& className) {
    return className.toLower() + QStringLiteral("-association.desktop");
}

QString XdgAssociationStore::IconNameOf(const QString& className) {
    return className.toLower();
}

QString XdgAssociationStore::PackagePath(const QString& className) const {
    return dataHome_ + QStringLiteral("/mime/packages/") + className + QStringLiteral(".xml");
}

QString XdgAssociationStore::EntryPath(const QString& className) const {
    return dataHome_ + QStringLiteral("/applications/") + EntryIdOf(className);
}

QString XdgAssociationStore::MimeAppsPath() const {
    return configHome_ + QStringLiteral("/mimeapps.list");
}

QString XdgAssociationStore::GetRegString(RegRoot, const QString& key, const QString& name) {
    const RowKey row = parseKey(key, name);
    switch (row.kind) {
        case RowKind::TypeName:
            return readTypeName(row.part);
        case RowKind::Extension:
            return readExtension(row.part);
        case RowKind::OpenCommand:
            return readOpenCommand(row.part);
        case RowKind::DefaultIcon:
            return readDefaultIcon(row.part);
        case RowKind::Unknown:
            break;
    }
    return QString();
}

void XdgAssociationStore::SetRegString(RegRoot, const QString& key, const QString& name,
                                       const QString& data) {
    const RowKey row = parseKey(key, name);
    if (rowFileUnreadable(*this, row, data)) {
        return;
    }
    switch (row.kind) {
        case RowKind::TypeName:
            return writeTypeName(row.part, data);
        case RowKind::Extension:
            return writeExtension(row.part, data);
        case RowKind::OpenCommand:
            return writeOpenCommand(row.part, data);
        case RowKind::DefaultIcon:
            return writeDefaultIcon(row.part, data);
        case RowKind::Unknown:
            break;
    }
}

void XdgAssociationStore::DeleteRegValue(RegRoot, const QString& key, const QString& name) {
    const RowKey row = parseKey(key, name);
    if (rowFileUnreadable(*this, row, QString())) {
        return;
    }
    switch (row.kind) {
        case RowKind::TypeName:
            return writeTypeName(row.part, std::nullopt);
        case RowKind::Extension:
            return deleteExtension(row.part);
        case RowKind::OpenCommand:
            return writeOpenCommand(row.part, std::nullopt);
        case RowKind::DefaultIcon:
            return writeDefaultIcon(row.part, std::nullopt);
        case RowKind::Unknown:
            break;
    }
}

void XdgAssociationStore::NotifyShell() {
    const std::pair<QString, const char*> updates[] = {
        {dataHome_ + QStringLiteral("/mime"), "update-mime-database"},
        {dataHome_ + QStringLiteral("/applications"), "update-desktop-database"},
    };
    for (const auto& [folder, tool] : updates) {
        const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
        if (!program.isEmpty() && QFileInfo(folder).isDir()) {
            launcher_(program, {folder});
        }
    }
}

// ---- the MIME package: rows 1 and 2 -------------------------------------------------------

namespace {

MimeTypeDeclaration loadOwnPackage(const QString& path, const QString& type) {
    for (const MimeTypeDeclaration& declaration : ReadMimePackage(path)) {
        if (declaration.type == type) {
            return declaration;
        }
    }
    return {type, std::nullopt, {}};
}

void storeOwnPackage(const QString& path, const MimeTypeDeclaration& declaration) {
    if (!declaration.comment && declaration.globs.empty()) {
        QFile::remove(path);
    } else {
        WriteMimePackage(path, declaration);
    }
}

}  // namespace

QString XdgAssociationStore::readTypeName(const QString& className) const {
    return loadOwnPackage(PackagePath(className), MimeTypeOf(className))
        .comment.value_or(QString());
}

void XdgAssociationStore::writeTypeName(const QString& className,
                                        const std::optional<QString>& data) {
    const QString path = PackagePath(className);
    MimeTypeDeclaration declaration = loadOwnPackage(path, MimeTypeOf(className));
    declaration.comment = data;
    storeOwnPackage(path, declaration);
}

QString XdgAssociationStore::readExtension(const QString& extension) const {
    const QString pattern = '*' + extension;
    const QDir packages(dataHome_ + QStringLiteral("/mime/packages"));
    QString best;
    int bestWeight = -1;
    for (const QFileInfo& file :
         packages.entryInfoList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name)) {
        for (const MimeTypeDeclaration& declaration : ReadMimePackage(file.filePath())) {
            for (const MimeGlob& glob : declaration.globs) {
                if (glob.pattern.compare(pattern, Qt::CaseInsensitive) == 0 &&
                    glob.weight > bestWeight) {
                    best = file.completeBaseName();
                    bestWeight = glob.weight;
                }
            }
        }
    }
    return best;
}

void XdgAssociationStore::writeExtension(const QString& extension, const QString& className) {
    if (!isClassName(className)) {
        return;
    }
    const QString path = PackagePath(className);
    MimeTypeDeclaration declaration = loadOwnPackage(path, MimeTypeOf(className));
    const QString pattern = '*' + extension;
    for (MimeGlob& glob : declaration.globs) {
        if (glob.pattern == pattern) {
            glob.weight = std::max(glob.weight, kOwnGlobWeight);
            return storeOwnPackage(path, declaration);
        }
    }
    declaration.globs.push_back({pattern, kOwnGlobWeight});
    storeOwnPackage(path, declaration);
}

void XdgAssociationStore::deleteExtension(const QString& extension) {
    // Only a package of our own shape is edited; another program's claim stays as it is.
    const QString className = readExtension(extension);
    if (!isClassName(className)) {
        return;
    }
    const QString path = PackagePath(className);
    const std::vector<MimeTypeDeclaration> declarations = ReadMimePackage(path);
    if (declarations.size() != 1 || declarations[0].type != MimeTypeOf(className)) {
        return;
    }
    MimeTypeDeclaration declaration = declarations[0];
    std::erase_if(declaration.globs, [&extension](const MimeGlob& glob) {
        return glob.pattern.compare('*' + extension, Qt::CaseInsensitive) == 0;
    });
    storeOwnPackage(path, declaration);
}

// ---- the desktop entry: rows 3 and 4 ------------------------------------------------------

namespace {

DesktopEntry loadOwnEntry(const QString& path, const QString& className) {
    std::optional<DesktopEntry> entry = DesktopEntry::Load(path);
    if (!entry) {
        entry = DesktopEntry();
        entry->SetValue(QStringLiteral("Type"), QStringLiteral("Application"));
        entry->SetValue(QStringLiteral("Name"), className);
        entry->SetValue(QStringLiteral("NoDisplay"), QStringLiteral("true"));
    }
    entry->SetValue(QStringLiteral("MimeType"), XdgAssociationStore::MimeTypeOf(className) + ';');
    return *entry;
}

}  // namespace

void XdgAssociationStore::saveOrRemoveEntry(const QString& className,
                                            const DesktopEntry& entry) const {
    if (entry.Has(QStringLiteral("Exec")) || entry.Has(QStringLiteral("Icon"))) {
        entry.Save(EntryPath(className));
    } else {
        QFile::remove(EntryPath(className));
    }
}

QString XdgAssociationStore::locateEntry(const QString& desktopId) const {
    QStringList folders{dataHome_};
    folders << QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& folder : folders) {
        const QString path = folder + QStringLiteral("/applications/") + desktopId;
        if (QFileInfo(path).isFile()) {
            return path;
        }
    }
    return QString();
}

QString XdgAssociationStore::readOpenCommand(const QString& className) const {
    // The command of whichever application opens the type: ours unless another was chosen.
    QString path;
    for (const QString& id : DefaultApplications(MimeAppsPath(), MimeTypeOf(className))) {
        path = locateEntry(id);
        if (!path.isEmpty()) {
            break;
        }
    }
    if (path.isEmpty()) {
        path = EntryPath(className);
    }
    const std::optional<DesktopEntry> entry = DesktopEntry::Load(path);
    const std::optional<QString> exec = entry ? entry->Value(QStringLiteral("Exec")) : std::nullopt;
    if (!exec) {
        return QString();
    }
    const std::optional<ExecWords> words = ParseExecLine(*exec);
    return words ? OpenCommandFromWords(UnwrapLaunchableWords(*words)) : *exec;
}

void XdgAssociationStore::writeOpenCommand(const QString& className,
                                           const std::optional<QString>& data) {
    DesktopEntry entry = loadOwnEntry(EntryPath(className), className);
    const ExecWords words = data ? WordsFromOpenCommand(*data) : ExecWords();
    if (words.empty()) {
        entry.Remove(QStringLiteral("Exec"));
    } else {
        entry.SetValue(QStringLiteral("Exec"), BuildExecLine(LaunchableWords(words)));
    }
    saveOrRemoveEntry(className, entry);
    if (words.empty()) {
        RemoveDefaultApplication(MimeAppsPath(), MimeTypeOf(className), EntryIdOf(className));
    } else {
        AddDefaultApplication(MimeAppsPath(), MimeTypeOf(className), EntryIdOf(className));
    }
}

QString XdgAssociationStore::readDefaultIcon(const QString& className) const {
    const std::optional<DesktopEntry> entry = DesktopEntry::Load(EntryPath(className));
    const std::optional<QString> icon = entry ? entry->Value(QStringLiteral("Icon")) : std::nullopt;
    if (!icon) {
        return QString();
    }
    if (*icon != IconNameOf(className)) {
        return *icon;
    }
    return entry->Value(kLocationKey).value_or(QString());
}

void XdgAssociationStore::writeDefaultIcon(const QString& className,
                                           const std::optional<QString>& data) {
    DesktopEntry entry = loadOwnEntry(EntryPath(className), className);
    const QString iconName = IconNameOf(className);
    for (const QString& size : iconSizes()) {
        const QString target = iconFilePath(dataHome_, size, iconName);
        QFile::remove(target);
        if (data) {
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(kIconResource + '/' + size + QStringLiteral(".png"), target);
            QFile::setPermissions(
                target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        }
    }
    if (data) {
        entry.SetValue(QStringLiteral("Icon"), iconName);
        entry.SetValue(kLocationKey, *data);
    } else {
        entry.Remove(QStringLiteral("Icon"));
        entry.Remove(kLocationKey);
    }
    saveOrRemoveEntry(className, entry);
}

}  // namespace ninefold
