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

protected:
    // The two steps of ReplaceAll, each giving the system's error code (0
    // when done). Until the move, the file holds its old bytes: a process
    // that ends between the steps leaves it whole, with a stray "<name>.tmp"
    // that the next write replaces.
    virtual unsigned long WriteBeside(const std::string& temporary, const std::string& bytes);
    virtual unsigned long MoveOver(const std::string& temporary, const std::string& name);
};

}  // namespace zrk
