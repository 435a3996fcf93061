// Where the file association's rows are kept: the registry on Windows, the XDG folders on
// Linux, memory in tests. Keys use "\" between their parts, as the rows spell them.
#pragma once

#include <QString>
#include <cstdint>

namespace ninefold {

// The predefined root every association row lives under.
enum class RegRoot : uint32_t { ClassesRoot = 0x80000000 };

class AssociationStore {
  public:
    virtual ~AssociationStore() = default;

    // Creates key (and its missing parents) and sets value `name` to data.
    virtual void SetRegString(RegRoot root, const QString& key, const QString& name,
                              const QString& data) = 0;
    // Removes value `name` of key; the key itself stays.
    virtual void DeleteRegValue(RegRoot root, const QString& key, const QString& name) = 0;
    // The text of value `name`; "" when the key or the value is missing or unreadable.
    virtual QString GetRegString(RegRoot root, const QString& key, const QString& name) = 0;
    // Tells the desktop that the association changed; never waits for it.
    virtual void NotifyShell() = 0;
};

}  // namespace ninefold
