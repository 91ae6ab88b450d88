// A plug-in library loaded by path, and its entry function.
#pragma once

#include <string>

#include "aeffect.h"

using PluginEntry = AEffect*(VSTCALLBACK*)(audioMasterCallback audioMaster);

class PluginLibrary {
public:
    // Loads the library; throws HostError when the file is missing or cannot
    // be loaded.
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(PluginLibrary&& other) noexcept;
    PluginLibrary& operator=(PluginLibrary&&) = delete;
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // The exported function of that name, or null.
    PluginEntry find(const char* name) const noexcept;
    // The entry under VSTPluginMain, else under main; throws HostError when
    // the library exports neither.
    PluginEntry entry() const;
    const std::string& path() const noexcept { return libraryPath; }

private:
    std::string libraryPath;
    void* handle;
};
