#pragma once
// The per-user registry hive (HKEY_CURRENT_USER), narrowed to what the
// settings store needs. Paths are below the root, without a leading
// backslash; value data are the stored bytes, unconverted.

#include <cstdint>
#include <string>

namespace zrk {

enum : uint32_t { kRegNone = 0, kRegSz = 1, kRegExpandSz = 2, kRegBinary = 3, kRegDword = 4 };

struct RegistryValue {
    uint32_t type = kRegNone;
    std::string data;
};

class Registry {
public:
    using Key = std::uintptr_t;  // 0: no key

    // Read: STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS.
    // Full: KEY_ALL_ACCESS.
    enum class Access { Read, Full };

    virtual ~Registry() = default;

    // Opens an existing key.
    virtual bool Open(const std::string& path, Access access, Key* key) = 0;
    // Opens the key or creates it, with any missing key above it:
    // non-volatile, full access.
    virtual bool Create(const std::string& path, Key* key) = 0;
    // False when the value is missing or cannot be read.
    virtual bool Query(Key key, const std::string& name, RegistryValue* value) = 0;
    virtual bool Set(Key key, const std::string& name, const RegistryValue& value) = 0;
    virtual void Close(Key key) = 0;
};

}  // namespace zrk
