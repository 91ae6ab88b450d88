#include "outputfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "hosterror.h"

namespace {
std::string systemError() { return std::strerror(errno); }
} // namespace

OutputFile::OutputFile(std::string finalPath)
    : path(std::move(finalPath)), temporary(path + "." + std::to_string(getpid()) + ".partial") {
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (descriptor < 0) throw HostError("cannot write " + path + ": " + systemError());
    ::close(descriptor);
}

OutputFile::~OutputFile() {
    if (!committed) std::remove(temporary.c_str());
}

void OutputFile::commit() {
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        throw HostError("cannot write " + path + ": " + systemError());
    }
    committed = true;
}
