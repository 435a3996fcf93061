// Registry calls behind the association store. A failed call leaves the registry as it was and
// is not reported, as a missing right to write there is nothing the player can act on.
#ifdef _WIN32

#include "desktop/registry_store.h"

#include <windows.h>

#include <QByteArray>
#include <algorithm>

namespace ninefold {

namespace {

HKEY rootKey(RegRoot) {
    return HKEY_CLASSES_ROOT;
}

}  // namespace

void RegistryAssociationStore::SetRegString(RegRoot root, const QString& key, const QString& name,
                                            const QString& data) {
    const QByteArray keyText = key.toLocal8Bit();
    const QByteArray nameText = name.toLocal8Bit();
    const QByteArray dataText = data.toLocal8Bit();
    HKEY handle = nullptr;
    if (RegCreateKeyA(rootKey(root), keyText.constData(), &handle) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(handle, nameText.constData(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(dataText.constData()),
                   static_cast<DWORD>(dataText.size() + 1));
    RegCloseKey(handle);
}

void RegistryAssociationStore::DeleteRegValue(RegRoot root, const QString& key,
                                              const QString& name) {
    const QByteArray keyText = key.toLocal8Bit();
    const QByteArray nameText = name.toLocal8Bit();
    HKEY handle = nullptr;
    if (RegCreateKeyA(rootKey(root), keyText.constData(), &handle) != ERROR_SUCCESS) {
        return;
    }
    RegDeleteValueA(handle, nameText.constData());
    RegCloseKey(handle);
}

QString RegistryAssociationStore::GetRegString(RegRoot root, const QString& key,
                                               const QString& name) {
    const QByteArray keyText = key.toLocal8Bit();
    const QByteArray nameText = name.toLocal8Bit();
    HKEY handle = nullptr;
    if (RegOpenKeyA(rootKey(root), keyText.constData(), &handle) != ERROR_SUCCESS) {
        return QString();
    }
    QString result;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(handle, nameText.constData(), nullptr, &type, nullptr, &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ && size > 0) {
        QByteArray buffer(static_cast<qsizetype>(size), '\0');
        if (RegQueryValueExA(handle, nameText.constData(), nullptr, &type,
                             reinterpret_cast<BYTE*>(buffer.data()), &size) == ERROR_SUCCESS) {
            buffer.truncate(std::min<qsizetype>(buffer.size(), size));
            const qsizetype nul = buffer.indexOf('\0');
            result = QString::fromLocal8Bit(nul < 0 ? buffer : buffer.left(nul));
        }
    }
    RegCloseKey(handle);
    return result;
}

void RegistryAssociationStore::NotifyShell() {
    PostMessageA(HWND_BROADCAST, WM_WININICHANGE, 0, 0);
}

}  // namespace ninefold

#endif
