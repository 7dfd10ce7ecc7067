#pragma once
// A game client process that is never started: it keeps what the launch
// hands it, the calls in order and the memory writes.

#include <string>
#include <vector>

#include "launch/launch_sequence.h"
#include "launch/patch_plan.h"

namespace zrk {

class WrittenClient : public ClientProcess {
public:
    bool Create(const ClientStart& start, std::string* reason) override {
        calls.push_back("Create");
        started = start;
        created = !failCreate;
        if (failCreate)
            *reason = "The system cannot find the file specified.";
        return created;
    }
    void Open() override { calls.push_back("Open"); }
    void Write(uint32_t address, const std::string& bytes) override {
        calls.push_back("Write");
        writes.push_back({address, bytes});
    }
    void Resume() override { calls.push_back("Resume"); }

    bool failCreate = false;
    bool created = false;
    ClientStart started;
    std::vector<std::string> calls;
    std::vector<MemoryWrite> writes;
};

}  // namespace zrk
