#include "platform/win/registry_win32.h"

#include <windows.h>

#include <utility>

namespace zrk {
namespace {

HKEY Handle(Registry::Key key) { return reinterpret_cast<HKEY>(key); }

Registry::Key KeyOf(HKEY handle) { return reinterpret_cast<Registry::Key>(handle); }

REGSAM Rights(Registry::Access access) {
    if (access == Registry::Access::Read) {
        return STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS;
    }
    return KEY_ALL_ACCESS;
}

}  // namespace

bool Win32Registry::Open(const std::string& path, Access access, Key* key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, Rights(access), &handle) != ERROR_SUCCESS) {
        return false;
    }
    *key = KeyOf(handle);
    return true;
}

bool Win32Registry::Create(const std::string& path, Key* key) {
    HKEY handle = nullptr;
    LONG rc = RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &handle, nullptr);
    if (rc != ERROR_SUCCESS) {
        return false;
    }
    *key = KeyOf(handle);
    return true;
}

bool Win32Registry::Query(Key key, const std::string& name, RegistryValue* value) {
    // The value may grow between two calls, so ask again until it fits.
    std::string data(256, '\0');
    for (;;) {
        DWORD type = REG_NONE;
        DWORD size = static_cast<DWORD>(data.size());
        LONG rc = RegQueryValueExA(Handle(key), name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(&data[0]), &size);
        if (rc == ERROR_MORE_DATA) {
            data.resize(size > data.size() ? size : data.size() * 2);
            continue;
        }
        if (rc != ERROR_SUCCESS) {
            return false;
        }
        data.resize(size);
        value->type = type;
        value->data = std::move(data);
        return true;
    }
}

bool Win32Registry::Set(Key key, const std::string& name, const RegistryValue& value) {
    LONG rc = RegSetValueExA(Handle(key), name.c_str(), 0, value.type,
                             reinterpret_cast<const BYTE*>(value.data.data()),
                             static_cast<DWORD>(value.data.size()));
    return rc == ERROR_SUCCESS;
}

void Win32Registry::Close(Key key) { RegCloseKey(Handle(key)); }

}  // namespace zrk
