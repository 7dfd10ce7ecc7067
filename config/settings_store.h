#pragma once
// The launcher's access layer to the configuration key. Each sequence that
// touches the key makes its own store; the destructor releases it on every
// path, after a failure too.

#include <cstdint>
#include <string>

#include "platform/failure.h"
#include "platform/registry.h"

namespace zrk {

// Below HKEY_CURRENT_USER. The leading backslash makes it absolute.
extern const char kConfigKeyPath[];

// What a store operation raises when the registry refuses it.
class RegistryFailure : public Failure {
public:
    using Failure::Failure;
};

class SettingsStore {
public:
    explicit SettingsStore(Registry& registry);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Opens the key read-only and closes it again; the open key stays as it is.
    bool KeyExists(const std::string& path);
    // Creates the key with any missing key above it and closes it at once.
    // Throws RegistryFailure("Failed to create key <path>").
    bool CreateKey(const std::string& path);
    // Makes the key the open key, closing one opened before. Never throws.
    bool OpenKey(const std::string& path, bool createIfAbsent);

    // Throws RegistryFailure "Failed to get data for '<name>'" or
    // "Invalid data type for '<name>'".
    int32_t ReadInteger(const std::string& name);
    // Missing or empty: "". Throws "Invalid data type for '<name>'".
    std::string ReadString(const std::string& name);

    // Each replaces a value of that name of any type. Throws
    // RegistryFailure("Failed to set data for '<name>'").
    void WriteInteger(const std::string& name, int32_t value);
    void WriteString(const std::string& name, const std::string& text);
    void WriteBinary(const std::string& name, const std::string& bytes);

    bool ValueExists(const std::string& name);
    void CloseKey();
    void Release();

private:
    bool Query(const std::string& name, RegistryValue* value);
    void Write(const std::string& name, uint32_t type, const std::string& data);

    Registry& registry_;
    Registry::Key key_ = 0;
};

// Writes the values the game client expects once: each only when absent.
void SeedValues(SettingsStore& store);

// CTRLFLAG1 as a launch writes it back: only the online-mode bits change.
int32_t AdjustLaunchFlag(int32_t ctrlFlag1, bool online);

}  // namespace zrk
