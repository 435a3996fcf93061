// The program folder, and the rule that puts the recent-files list and the dialogs beside it
// or in the player's own folders.
#include "files/list_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace ninefold {

namespace {

QString& programFolderOverride() {
    static QString folder;
    return folder;
}

}  // namespace

QString ProgramFolder() {
    const QString& folder = programFolderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void SetProgramFolderForTesting(const QString& folder) {
    programFolderOverride() = folder;
}

QString RecentListFileIn(const QString& folder) {
    const bool endsInSeparator =
        folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator());
    const QString separator = endsInSeparator ? QString() : QString(QDir::separator());
    return folder + separator + QString::fromLatin1(kRecentListName);
}

bool ProgramFolderIsPlayers() {
    const QString folder = ProgramFolder();
#ifdef _WIN32
    // A file made and removed at once answers what the folder's access rules allow.
    QFile probe(QDir(folder).filePath(
        QStringLiteral("ninefold-write-probe-%1.tmp").arg(QCoreApplication::applicationPid())));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    probe.close();
    probe.remove();
    return true;
#else
    const QFileInfo info(folder);
    const QString path = info.canonicalFilePath();
    const bool underUsr = path == QLatin1String("/usr") || path.startsWith(QLatin1String("/usr/"));
    return !underUsr && info.ownerId() == ::geteuid() && info.isWritable();
#endif
}

QString RecentListPath() {
    const QString beside = RecentListFileIn(QDir::toNativeSeparators(ProgramFolder()));
    if (ProgramFolderIsPlayers()) {
        return beside;
    }
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty()) {
        return beside;  // no home to keep it in; the list then just stays empty
    }
    // A first run has no data folder yet; if it cannot be made, writing the list fails
    // silently later, as any failure to update the list does.
    QDir().mkpath(data);
    return RecentListFileIn(QDir::toNativeSeparators(data));
}

QString DialogFolder() {
    return ProgramFolderIsPlayers() ? ProgramFolder() : QDir::homePath();
}

}  // namespace ninefold
