#pragma once
// The registry interface over the real per-user hive (ANSI calls).

#include "platform/registry.h"

namespace zrk {

class Win32Registry : public Registry {
public:
    bool Open(const std::string& path, Access access, Key* key) override;
    bool Create(const std::string& path, Key* key) override;
    bool Query(Key key, const std::string& name, RegistryValue* value) override;
    bool Set(Key key, const std::string& name, const RegistryValue& value) override;
    void Close(Key key) override;
};

}  // namespace zrk
