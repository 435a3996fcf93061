// The association's rows and the rules for writing and removing them.
#include "desktop/file_association.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ninefold {

AssociationRows AssociationEntries(const QString& title, const QString& programPath) {
    const QChar quote('"');
    const QString openCommand = quote + programPath + quote + " " + quote + "%1" + quote;
    return {{
        {title, title + " Save"},
        {".nfd", title},
        {title + "\\shell\\open\\command", openCommand},
        {title + "\\DefaultIcon", programPath + ",0"},
    }};
}

QString WindowsProgramPath(const QString& folder, const QString& exeName) {
    const QString separator = folder.endsWith('\\') ? QString() : QStringLiteral("\\");
    return folder + separator + exeName + ".exe";
}

QString ProgramPath() {
    const QString file = QCoreApplication::applicationFilePath();
#ifdef _WIN32
    return WindowsProgramPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
                              QFileInfo(file).completeBaseName());
#else
    return file;
#endif
}

void RegisterExtension(const AssociationRows& rows, AssociationStore& store) {
    for (const AssociationRow& row : rows) {
        if (row.key.isEmpty()) {
            continue;
        }
        if (store.GetRegString(RegRoot::ClassesRoot, row.key, QString()) != row.data) {
            store.SetRegString(RegRoot::ClassesRoot, row.key, QString(), row.data);
        }
    }
    store.NotifyShell();
}

void UnregisterExtension(const AssociationRows& rows, AssociationStore& store) {
    for (const AssociationRow& row : rows) {
        if (row.key.isEmpty()) {
            continue;
        }
        if (store.GetRegString(RegRoot::ClassesRoot, row.key, QString()) == row.data) {
            store.DeleteRegValue(RegRoot::ClassesRoot, row.key, QString());
        }
    }
    store.NotifyShell();
}

namespace mdlExtension {

namespace {

AssociationRows& entries() {
    static AssociationRows rows;
    return rows;
}

std::unique_ptr<AssociationStore>& store() {
    static std::unique_ptr<AssociationStore> current;
    return current;
}

}  // namespace

void SetAssociationEntries(const AssociationRows& rows) {
    entries() = rows;
}

const AssociationRows& Entries() {
    return entries();
}

void SetStore(std::unique_ptr<AssociationStore> replacement) {
    store() = std::move(replacement);
}

AssociationStore& Store() {
    if (!store()) {
        store() = PlatformAssociationStore();
    }
    return *store();
}

void RegisterExtension() {
    ninefold::RegisterExtension(entries(), Store());
}

void UnregisterExtension() {
    ninefold::UnregisterExtension(entries(), Store());
}

}  // namespace mdlExtension

}  // namespace ninefold
