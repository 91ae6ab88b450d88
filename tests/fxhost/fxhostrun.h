// Running the built fxhost as a user does, in a scratch folder of its own.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct FxhostRun {
    int status; // the exit status, or 128 + the signal that ended it
    std::string out;
    std::string err;
};

// Runs fxhost with the arguments; its standard output and error are collected.
FxhostRun runFxhost(const std::vector<std::string>& arguments);

// A fresh folder under the system's temporary folder, removed with everything
// in it when it goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string file(const std::string& name) const { return (folder / name).string(); }
    // The names of the files in the folder.
    std::vector<std::string> names() const;

private:
    std::filesystem::path folder;
};
