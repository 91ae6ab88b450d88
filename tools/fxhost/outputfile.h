// A file written under a temporary name beside its final place and renamed
// into place only when complete, so a failed run leaves nothing behind.
#pragma once

#include <string>

class OutputFile {
public:
    // Creates the temporary file; throws HostError when it cannot be created
    // (a missing folder, no permission).
    explicit OutputFile(std::string path);
    // Removes the temporary file unless commit() renamed it.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Where to write the contents.
    const std::string& temporaryPath() const noexcept { return temporary; }
    // Moves the written file to its final path; throws HostError on failure.
    void commit();

private:
    std::string path;
    std::string temporary;
    bool committed = false;
};
