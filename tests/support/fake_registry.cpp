#include "tests/support/fake_registry.h"

#include <algorithm>
#include <cctype>

#include "config/settings_store.h"

namespace zrk {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The configuration key as the registry sees it: below the root.
std::string ConfigKey() { return kConfigKeyPath + 1; }

}  // namespace

bool FakeRegistry::NoCase::operator()(const std::string& a, const std::string& b) const {
    return Lower(a) < Lower(b);
}

bool FakeRegistry::Call(Op op, const std::string& name, const std::string& entry) {
    log_.push_back(entry);
    ++calls_;
    return calls_ != failCall_ && failOn_.count({op, Lower(name)}) == 0;
}

void FakeRegistry::FailOn(Op op, const std::string& name) { failOn_.insert({op, Lower(name)}); }

Registry::Key FakeRegistry::OpenHandle(const std::string& path) {
    Key key = nextKey_++;
    open_[key] = path;
    return key;
}

FakeRegistry::Values* FakeRegistry::ValuesOf(Key key) {
    auto handle = open_.find(key);
    return handle == open_.end() ? nullptr : &keys_[handle->second];
}

bool FakeRegistry::Open(const std::string& path, Access access, Key* key) {
    const char* rights = access == Access::Read ? " read" : " full";
    if (!Call(Op::Open, path, "Open " + path + rights) || !HasKey(path)) {
        return false;
    }
    *key = OpenHandle(path);
    return true;
}

bool FakeRegistry::Create(const std::string& path, Key* key) {
    if (!Call(Op::Create, path, "Create " + path)) {
        return false;
    }
    for (size_t end = path.find('\\'); end != std::string::npos; end = path.find('\\', end + 1)) {
        keys_[path.substr(0, end)];
    }
    keys_[path];
    *key = OpenHandle(path);
    return true;
}

bool FakeRegistry::Query(Key key, const std::string& name, RegistryValue* value) {
    Values* values = ValuesOf(key);
    if (!Call(Op::Query, name, "Query " + name) || values == nullptr) {
        return false;
    }
    auto found = values->find(name);
    if (found == values->end()) {
        return false;
    }
    *value = found->second;
    return true;
}

bool FakeRegistry::Set(Key key, const std::string& name, const RegistryValue& value) {
    Values* values = ValuesOf(key);
    if (!Call(Op::Set, name, "Set " + name) || values == nullptr) {
        return false;
    }
    (*values)[name] = value;
    return true;
}

void FakeRegistry::Close(Key key) {
    Call(Op::Close, "", "Close");
    open_.erase(key);
}

std::string DwordBytes(uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

void FakeRegistry::SetDword(const std::string& name, uint32_t value) { SetValue(name, kRegDword, DwordBytes(value)); }

void FakeRegistry::SetString(const std::string& name, const std::string& text) {
    SetValue(name, kRegSz, text + '\0');
}

void FakeRegistry::SetValue(const std::string& name, uint32_t type, const std::string& bytes) {
    RegistryValue value;
    value.type = type;
    value.data = bytes;
    keys_[ConfigKey()][name] = value;
}

std::optional<RegistryValue> FakeRegistry::Value(const std::string& name) const {
    auto key = keys_.find(ConfigKey());
    if (key == keys_.end()) {
        return std::nullopt;
    }
    auto found = key->second.find(name);
    if (found == key->second.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::string FakeRegistry::StoredBytes(const std::string& name) const {
    auto value = Value(name);
    return value ? value->data : "(missing)";
}

std::optional<uint32_t> FakeRegistry::DwordValue(const std::string& name) const {
    auto value = Value(name);
    if (!value || value->type != kRegDword || value->data.size() != 4)
        return std::nullopt;
    uint32_t word = 0;
    for (int i = 3; i >= 0; --i)
        word = (word << 8) | static_cast<unsigned char>(value->data[static_cast<size_t>(i)]);
    return word;
}

bool FakeRegistry::HasKey(const std::string& path) const { return keys_.count(path) != 0; }

}  // namespace zrk

