#pragma once
// The game client as a real Windows process.

#include <windows.h>

#include "launch/launch_sequence.h"

namespace zrk {

class Win32ClientProcess : public ClientProcess {
public:
    Win32ClientProcess() = default;
    ~Win32ClientProcess() override;
    Win32ClientProcess(const Win32ClientProcess&) = delete;
    Win32ClientProcess& operator=(const Win32ClientProcess&) = delete;

    bool Create(const ClientStart& start, std::string* reason) override;
    void Open() override;
    void Write(uint32_t address, const std::string& bytes) override;
    void Resume() override;

private:
    PROCESS_INFORMATION created_ = {};
    HANDLE opened_ = nullptr;
};

}  // namespace zrk
