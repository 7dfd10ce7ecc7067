#include "tests/support/win/config_key.h"

#include <cstring>

namespace zrk::test {
namespace {

const char kKey[] = "Software\\Brelvik\\ZRKV2";

HKEY CreateKey() {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return key;
}

}  // namespace

void DeleteConfigKey() {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Brelvik");
}

bool ConfigKeyExists() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void SetConfigDword(const char* name, uint32_t value) {
    HKEY key = CreateKey();
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    RegCloseKey(key);
}

void SetConfigString(const char* name, const std::string& text) {
    HKEY key = CreateKey();
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

std::optional<RawValue> ConfigValue(const char* name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<RawValue> result;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::string data(size, '\0');
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
        data.resize(size);
        result = RawValue{type, data};
    }
    RegCloseKey(key);
    return result;
}

std::optional<uint32_t> ConfigDword(const char* name) {
    auto value = ConfigValue(name);
    if (!value || value->type != REG_DWORD || value->data.size() != 4)
        return std::nullopt;
    uint32_t v;
    memcpy(&v, value->data.data(), 4);
    return v;
}

std::optional<std::string> ConfigString(const char* name) {
    auto value = ConfigValue(name);
    if (!value || value->type != REG_SZ || value->data.empty() || value->data.back() != '\0')
        return std::nullopt;
    return value->data.substr(0, value->data.size() - 1);
}

}  // namespace zrk::test
