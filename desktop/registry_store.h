// The association rows in the Windows registry, where Explorer reads them.
#pragma once

#ifdef _WIN32

#include "desktop/association_store.h"

namespace ninefold {

class RegistryAssociationStore : public AssociationStore {
  public:
    void SetRegString(RegRoot root, const QString& key, const QString& name,
                      const QString& data) override;
    void DeleteRegValue(RegRoot root, const QString& key, const QString& name) override;
    QString GetRegString(RegRoot root, const QString& key, const QString& name) override;
    // Posts the settings-changed broadcast; posted, so no window is waited for.
    void NotifyShell() override;
};

}  // namespace ninefold

#endif
