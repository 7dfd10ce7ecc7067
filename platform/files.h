#pragma once
// Files as the launcher sees them. Relative names resolve against the
// process's current working directory, which the launcher never changes.
// Contents are bytes, unconverted.

#include <string>

namespace zrk {

class Files {
public:
    virtual ~Files() = default;

    // True when a directory entry of that name exists and is not a folder.
    virtual bool FileExists(const std::string& name) = 0;

    // The whole file. Throws Failure("Cannot open file \"<full path>\". <system text>").
    virtual std::string ReadAll(const std::string& name) = 0;

    // Replaces the file with exactly these bytes in one step: the new
    // contents are written beside it and then moved over it, so a failure
    // leaves the old file as it was. Throws
    // Failure("Cannot create file \"<full path>\". <system text>").
    virtual void ReplaceAll(const std::string& name, const std::string& bytes) = 0;
};

}  // namespace zrk
