#pragma once
// A folder of the program's own in the user's temporary folder, for copies of files it reads
// but must not change (a database a browser holds open). The folder and the files put directly
// in it go when the object goes.
#include <string>

namespace aw {

class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    bool ok() const { return !path_.empty(); }
    // With a trailing backslash; empty when the folder could not be made.
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Copies a file, replacing the target. The source is read with every sharing mode allowed, so a
// file another program has open for writing can still be copied.
bool CopyFileTo(const std::string& from, const std::string& to);

} // namespace aw
