#pragma once
// The real configuration key of the test's Wine prefix, read and written
// with the raw registry calls, so tests do not trust the code under test.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace zrk::test {

void DeleteConfigKey();
bool ConfigKeyExists();
void SetConfigDword(const char* name, uint32_t value);
void SetConfigString(const char* name, const std::string& text);
// The raw value: its type and bytes; nullopt when missing.
struct RawValue {
    DWORD type;
    std::string data;
};
std::optional<RawValue> ConfigValue(const char* name);
std::optional<uint32_t> ConfigDword(const char* name);
std::optional<std::string> ConfigString(const char* name);  // without its zero byte

}  // namespace zrk::test
