// The ".nfd" file association: its four rows, and registering and removing them in a store
// so that only differing rows are written and only this program's own rows are removed.
#pragma once

#include <QString>
#include <array>
#include <memory>

#include "desktop/association_store.h"

namespace ninefold {

struct AssociationRow {
    QString key;
    QString data;
    bool operator==(const AssociationRow&) const = default;
};

using AssociationRows = std::array<AssociationRow, 4>;

// Type name, extension, open command and icon location, in that order.
AssociationRows AssociationEntries(const QString& title, const QString& programPath);

// The Windows form of the program path: folder, one "\" unless the folder already ends with
// one, the executable's name without its extension, ".exe".
QString WindowsProgramPath(const QString& folder, const QString& exeName);
// This executable: its full path on Linux, the Windows form on Windows.
QString ProgramPath();

// Writes each row whose stored data differs, then notifies.
void RegisterExtension(const AssociationRows& rows, AssociationStore& store);
// Removes each row whose stored data is exactly this program's, then notifies.
void UnregisterExtension(const AssociationRows& rows, AssociationStore& store);

// The store this platform keeps associations in: the registry or the user's XDG folders.
std::unique_ptr<AssociationStore> PlatformAssociationStore();

// The program-wide association state that start-up fills and the window's hot keys use.
namespace mdlExtension {

void SetAssociationEntries(const AssociationRows& rows);
// The rows start-up computed; empty rows until then.
const AssociationRows& Entries();
// Replaces the store (tests); nullptr goes back to the platform store.
void SetStore(std::unique_ptr<AssociationStore> store);
AssociationStore& Store();

// No-ops until start-up has computed the rows, apart from the notification.
void RegisterExtension();
void UnregisterExtension();

}  // namespace mdlExtension

}  // namespace ninefold
