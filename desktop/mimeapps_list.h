// The user's mimeapps.list: which application opens a file type by default. Edited line by
// line so everything else in the file stays exactly as it was.
#pragma once

#include <QString>
#include <QStringList>

namespace ninefold {

// The desktop ids listed under [Default Applications] for the type, in order.
QStringList DefaultApplications(const QString& path, const QString& mimeType);
// Puts the id first in the type's list, keeping the others after it as fallbacks.
bool AddDefaultApplication(const QString& path, const QString& mimeType, const QString& desktopId);
// Takes the id out of the type's list; the line goes when nothing is left in it.
bool RemoveDefaultApplication(const QString& path, const QString& mimeType,
                              const QString& desktopId);

}  // namespace ninefold
