// Registry calls behind the association store. A failed call leaves the registry as it was and
// is not reported, as a missing right to write there is nothing the player can act on.
// Keys, names and texts travel as UTF-16, so a game in a folder whose name the local code page
// cannot spell still writes a command that finds it.
#ifdef _WIN32

#include "desktop/registry_store.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace ninefold {

namespace {

std::wstring wide(const QString& text) {
    return text.toStdWString();
}

// The per-user half of HKEY_CLASSES_ROOT. The merged view writes to the machine-wide half,
// which an ordinary user may not change; this half is the user's own, and the merged view
// reads it first.
const wchar_t kUserClasses[] = L"Software\\Classes\\";

// Opens (creating when asked) key under the classes root, falling back to the user's own
// classes when the machine-wide root refuses the change.
HKEY openForChange(const QString& key) {
    HKEY handle = nullptr;
    if (RegCreateKeyW(HKEY_CLASSES_ROOT, wide(key).c_str(), &handle) == ERROR_SUCCESS) {
        return handle;
    }
    const std::wstring userKey = kUserClasses + wide(key);
    if (RegCreateKeyW(HKEY_CURRENT_USER, userKey.c_str(), &handle) == ERROR_SUCCESS) {
        return handle;
    }
    return nullptr;
}

HKEY rootKey(RegRoot) {
    return HKEY_CLASSES_ROOT;
}

}  // namespace

void RegistryAssociationStore::SetRegString(RegRoot, const QString& key, const QString& name,
                                            const QString& data) {
    const std::wstring nameText = wide(name);
    const std::wstring dataText = wide(data);
    HKEY handle = openForChange(key);
    if (handle == nullptr) {
        return;
    }
    const auto bytes = static_cast<DWORD>((dataText.size() + 1) * sizeof(wchar_t));
    if (RegSetValueExW(handle, nameText.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(dataText.c_str()), bytes) != ERROR_SUCCESS) {
        // The key opened but the machine-wide value is read-only: the user's own classes.
        RegCloseKey(handle);
        const std::wstring userKey = kUserClasses + wide(key);
        if (RegCreateKeyW(HKEY_CURRENT_USER, userKey.c_str(), &handle) != ERROR_SUCCESS) {
            return;
        }
        RegSetValueExW(handle, nameText.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(dataText.c_str()), bytes);
    }
    RegCloseKey(handle);
}

void RegistryAssociationStore::DeleteRegValue(RegRoot, const QString& key, const QString& name) {
    const std::wstring nameText = wide(name);
    HKEY handle = openForChange(key);
    if (handle == nullptr) {
        return;
    }
    RegDeleteValueW(handle, nameText.c_str());
    RegCloseKey(handle);
    // A value written to the user's own classes is removed there too.
    const std::wstring userKey = kUserClasses + wide(key);
    if (RegOpenKeyW(HKEY_CURRENT_USER, userKey.c_str(), &handle) == ERROR_SUCCESS) {
        RegDeleteValueW(handle, nameText.c_str());
        RegCloseKey(handle);
    }
}

QString RegistryAssociationStore::GetRegString(RegRoot root, const QString& key,
                                               const QString& name) {
    const std::wstring nameText = wide(name);
    HKEY handle = nullptr;
    if (RegOpenKeyW(rootKey(root), wide(key).c_str(), &handle) != ERROR_SUCCESS) {
        return QString();
    }
    QString result;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(handle, nameText.c_str(), nullptr, &type, nullptr, &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ && size > 0) {
        std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(handle, nameText.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(buffer.data()), &size) == ERROR_SUCCESS) {
            buffer.resize(std::min<std::size_t>(buffer.size(), size / sizeof(wchar_t)));
            const std::size_t nul = buffer.find(L'\0');
            result =
                QString::fromStdWString(nul == std::wstring::npos ? buffer : buffer.substr(0, nul));
        }
    }
    RegCloseKey(handle);
    return result;
}

void RegistryAssociationStore::NotifyShell() {
    PostMessageW(HWND_BROADCAST, WM_WININICHANGE, 0, 0);
}

}  // namespace ninefold

#endif
