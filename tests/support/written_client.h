#pragma once
// A game client process that is never started: it keeps the memory writes
// the launch makes into it.

#include <string>
#include <vector>

#include "launch/launch_sequence.h"
#include "launch/patch_plan.h"

namespace zrk {

class WrittenClient : public ClientProcess {
public:
    bool Create(const ClientStart&, std::string*) override {
        created = true;
        return true;
    }
    void Open() override {}
    void Write(uint32_t address, const std::string& bytes) override { writes.push_back({address, bytes}); }
    void Resume() override {}

    bool created = false;
    std::vector<MemoryWrite> writes;
};

}  // namespace zrk
