#pragma once
// Everything the launcher handed over to the client: command line, working
// directory, start-up record, the bytes at the fixed addresses when the
// client first ran, and the configuration key as the client reads it.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tools/common/standin.h"

namespace zrk {

struct StartupWindow {
    std::string title;  // empty when the start-up record had none
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t flags = 0;
};

struct ClientFacts {
    std::string exe;
    uint32_t pid = 0;
    std::string commandLine;
    std::string directory;
    StartupWindow window;
    std::vector<std::string> patches;  // hex per table row, "unmapped" when unreadable
    bool hostMapped = false;
    std::string host;                  // the field's bytes up to and including the first NUL
    std::string patchesAtEntry;        // "all", "none" or "partial"
    std::vector<std::pair<std::string, std::string>> configuration;  // value name, text
};

ClientFacts GatherClientFacts();

// key=value lines, ending in end=1.
std::string FormatRecord(const ClientFacts& facts);

std::vector<TextLine> DescribeFacts(const ClientFacts& facts);

}  // namespace zrk
