#include "config/settings_store.h"

#include "config/flag_codec.h"

namespace zrk {

const char kConfigKeyPath[] = "\\Software\\Brelvik\\ZRKV2";

namespace {

// A leading backslash means "below the root"; every key is addressed from
// the root, never from the key opened before.
std::string BelowRoot(const std::string& path) {
    return !path.empty() && path[0] == '\\' ? path.substr(1) : path;
}

std::string Quoted(const std::string& name) { return "'" + name + "'"; }

[[noreturn]] void FailGetData(const std::string& name) {
    throw RegistryFailure("Failed to get data for " + Quoted(name));
}

[[noreturn]] void FailDataType(const std::string& name) {
    throw RegistryFailure("Invalid data type for " + Quoted(name));
}

std::string LittleEndian(uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

// A REG_DWORD shorter than four bytes reads as its bytes zero-extended,
// never padded with whatever a buffer held before.
uint32_t FromLittleEndian(const std::string& bytes) {
    uint32_t value = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    }
    return value;
}

}  // namespace

SettingsStore::SettingsStore(Registry& registry) : registry_(registry) {}

SettingsStore::~SettingsStore() { Release(); }

bool SettingsStore::KeyExists(const std::string& path) {
    Registry::Key key = 0;
    if (!registry_.Open(BelowRoot(path), Registry::Access::Read, &key)) {
        return false;
    }
    registry_.Close(key);
    return true;
}

bool SettingsStore::CreateKey(const std::string& path) {
    Registry::Key key = 0;
    if (!registry_.Create(BelowRoot(path), &key)) {
        throw RegistryFailure("Failed to create key " + path);
    }
    registry_.Close(key);
    return true;
}

bool SettingsStore::OpenKey(const std::string& path, bool createIfAbsent) {
    Registry::Key key = 0;
    bool opened = createIfAbsent ? registry_.Create(BelowRoot(path), &key)
                                 : registry_.Open(BelowRoot(path), Registry::Access::Full, &key);
    if (!opened) {
        return false;
    }
    CloseKey();
    key_ = key;
    return true;
}

bool SettingsStore::Query(const std::string& name, RegistryValue* value) {
    return key_ != 0 && registry_.Query(key_, name, value);
}

int32_t SettingsStore::ReadInteger(const std::string& name) {
    RegistryValue value;
    if (!Query(name, &value)) {
        FailGetData(name);
    }
    if (value.type != kRegDword) {
        FailDataType(name);
    }
    if (value.data.size() > 4) {
        FailGetData(name);
    }
    return static_cast<int32_t>(FromLittleEndian(value.data));
}

std::string SettingsStore::ReadString(const std::string& name) {
    RegistryValue value;
    if (!Query(name, &value) || value.data.empty()) {
        return std::string();
    }
    if (value.type != kRegSz && value.type != kRegExpandSz) {
        FailDataType(name);
    }
    return value.data.substr(0, value.data.find('\0'));
}

void SettingsStore::Write(const std::string& name, uint32_t type, const std::string& data) {
    RegistryValue value;
    value.type = type;
    value.data = data;
    if (key_ == 0 || !registry_.Set(key_, name, value)) {
        throw RegistryFailure("Failed to set data for " + Quoted(name));
    }
}

void SettingsStore::WriteInteger(const std::string& name, int32_t value) {
    Write(name, kRegDword, LittleEndian(static_cast<uint32_t>(value)));
}

void SettingsStore::WriteString(const std::string& name, const std::string& text) {
    Write(name, kRegSz, text + '\0');
}

void SettingsStore::WriteBinary(const std::string& name, const std::string& bytes) {
    Write(name, kRegBinary, bytes);
}

bool SettingsStore::ValueExists(const std::string& name) {
    RegistryValue value;
    return Query(name, &value);
}

void SettingsStore::CloseKey() {
    if (key_ != 0) {
        registry_.Close(key_);
        key_ = 0;
    }
}

void SettingsStore::Release() { CloseKey(); }

void SeedValues(SettingsStore& store) {
    if (!store.ValueExists("dir")) {
        store.WriteString("dir", ".\\");
    }
    struct Seed {
        const char* name;
        int32_t value;
    };
    const Seed integers[] = {{"CTRLFLAG2", 0}, {"CTRLFLAG3", 0}, {"INSTALL", 0}, {"LANGUAGE", 1}};
    for (const Seed& seed : integers) {
        if (!store.ValueExists(seed.name)) {
            store.WriteInteger(seed.name, seed.value);
        }
    }
}

int32_t AdjustLaunchFlag(int32_t ctrlFlag1, bool online) {
    return online ? SetOnlineModeBits(ctrlFlag1) : ClearOnlineModeBits(ctrlFlag1);
}

}  // namespace zrk
