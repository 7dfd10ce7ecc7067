#include "tests/support/memory_files.h"

#include "platform/failure.h"

namespace zrk {

namespace {
const char kNotFound[] = "The system cannot find the file specified.";
const char kAccessDenied[] = "Access is denied.";
}  // namespace

bool MemoryFiles::FileExists(const std::string& name) { return Has(name) && !folders_.count(name); }

std::string MemoryFiles::ReadAll(const std::string& name) {
    std::optional<std::string> problem = readFailure_;
    if (!problem && folders_.count(name)) problem = kAccessDenied;
    if (!problem && !Has(name)) problem = kNotFound;
    if (problem) throw Failure("Cannot open file \"" + FullPath(name) + "\". " + *problem);
    return files_.at(name);
}

void MemoryFiles::ReplaceAll(const std::string& name, const std::string& bytes) {
    ++writeAttempts_;
    std::optional<std::string> problem = writeFailure_;
    if (!problem && folders_.count(name)) problem = kAccessDenied;
    if (problem) throw Failure("Cannot create file \"" + FullPath(name) + "\". " + *problem);
    files_[name] = bytes;
}

}  // namespace zrk
