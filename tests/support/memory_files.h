#pragma once
// Files held in memory, with failures that can be switched on. Failure texts
// name the file by a fake full path: the folder prefix and the name.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "platform/files.h"

namespace zrk {

class MemoryFiles : public Files {
public:
    explicit MemoryFiles(std::string folder = "C:\\game\\") : folder_(std::move(folder)) {}

    bool FileExists(const std::string& name) override;
    std::string ReadAll(const std::string& name) override;
    void ReplaceAll(const std::string& name, const std::string& bytes) override;

    void Put(const std::string& name, const std::string& bytes) { files_[name] = bytes; }
    void AddFolder(const std::string& name) { folders_.insert(name); }
    bool Has(const std::string& name) const { return files_.count(name) != 0; }
    std::string Get(const std::string& name) const { return files_.at(name); }

    // From now on every ReadAll / ReplaceAll fails with this system text.
    void FailReads(const std::string& systemText) { readFailure_ = systemText; }
    void FailWrites(const std::string& systemText) { writeFailure_ = systemText; }

    // ReplaceAll calls, failed ones included.
    int WriteAttempts() const { return writeAttempts_; }

    std::string FullPath(const std::string& name) const { return folder_ + name; }

private:
    std::string folder_;
    std::map<std::string, std::string> files_;
    std::set<std::string> folders_;
    std::optional<std::string> readFailure_;
    std::optional<std::string> writeFailure_;
    int writeAttempts_ = 0;
};

}  // namespace zrk
