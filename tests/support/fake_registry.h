#pragma once
// An in-memory per-user hive for tests of the settings store: keys and value
// names compare without regard to case, every call is logged, open keys are
// counted, and any call can be made to fail.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/failure.h"
#include "platform/registry.h"

namespace zrk {

// The four bytes of a REG_DWORD, least significant first.
std::string DwordBytes(uint32_t value);

class FakeRegistry : public Registry {
public:
    enum class Op { Open, Create, Query, Set, Close };

    bool Open(const std::string& path, Access access, Key* key) override;
    bool Create(const std::string& path, Key* key) override;
    bool Query(Key key, const std::string& name, RegistryValue* value) override;
    bool Set(Key key, const std::string& name, const RegistryValue& value) override;
    void Close(Key key) override;

    // Setup and inspection of the configuration key; neither logged nor counted.
    void SetDword(const std::string& name, uint32_t value);
    void SetString(const std::string& name, const std::string& text);  // with its zero byte
    void SetValue(const std::string& name, uint32_t type, const std::string& bytes);
    std::optional<RegistryValue> Value(const std::string& name) const;
    // The stored bytes, or "(missing)".
    std::string StoredBytes(const std::string& name) const;
    // A REG_DWORD of exactly four bytes; nullopt for anything else.
    std::optional<uint32_t> DwordValue(const std::string& name) const;
    bool HasKey(const std::string& path) const;

    // The n-th call of any kind, counting from 1, fails.
    void FailCall(int n) { failCall_ = n; }
    // Every call of this kind on this path or value name fails.
    void FailOn(Op op, const std::string& name);

    // "Open <path> read|full", "Create <path>", "Query <name>", "Set <name>", "Close".
    const std::vector<std::string>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }
    int OpenKeys() const { return static_cast<int>(open_.size()); }

private:
    struct NoCase {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    using Values = std::map<std::string, RegistryValue, NoCase>;

    bool Call(Op op, const std::string& name, const std::string& entry);
    Key OpenHandle(const std::string& path);
    Values* ValuesOf(Key key);

    std::map<std::string, Values, NoCase> keys_;
    std::map<Key, std::string> open_;
    Key nextKey_ = 1;
    std::vector<std::string> log_;
    int calls_ = 0;
    int failCall_ = 0;
    std::set<std::pair<Op, std::string>> failOn_;  // names in lower case
};

}  // namespace zrk
