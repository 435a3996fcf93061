// Picks the association store of the platform the program was built for.
#include "desktop/file_association.h"

#ifdef _WIN32
#include "desktop/registry_store.h"
#else
#include "desktop/xdg_association_store.h"
#endif

namespace ninefold {

std::unique_ptr<AssociationStore> PlatformAssociationStore() {
#ifdef _WIN32
    return std::make_unique<RegistryAssociationStore>();
#else
    return XdgAssociationStore::ForCurrentUser();
#endif
}

}  // namespace ninefold
