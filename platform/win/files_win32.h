#pragma once
// Files through the Win32 API (ANSI names).

#include "platform/files.h"

namespace zrk {

class Win32Files : public Files {
public:
    bool FileExists(const std::string& name) override;
    // Shares the file for reading only: a file another program holds open
    // for writing cannot be read.
    std::string ReadAll(const std::string& name) override;
    // Writes "<name>.tmp" beside the file, flushes it and moves it over the
    // file.
    void ReplaceAll(const std::string& name, const std::string& bytes) override;
};

}  // namespace zrk
