#include "pluginlibrary.h"

#include <filesystem>

#include "hosterror.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {
std::string lastLoadError() {
#if defined(_WIN32)
    return "Windows error " + std::to_string(GetLastError());
#else
    const char* message = dlerror();
    return message ? message : "unknown error";
#endif
}
} // namespace

PluginLibrary::PluginLibrary(const std::string& path) : libraryPath(path), handle(nullptr) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw HostError("plug-in library not found: " + path);
    }
#if defined(_WIN32)
    handle = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
#else
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
    if (!handle) throw HostError("cannot load " + path + ": " + lastLoadError());
}

PluginLibrary::~PluginLibrary() {
    if (!handle) return;
#if defined(_WIN32)
    FreeLibrary(static_cast<HMODULE>(handle));
#else
    dlclose(handle);
#endif
}

PluginLibrary::PluginLibrary(PluginLibrary&& other) noexcept
    : libraryPath(std::move(other.libraryPath)), handle(other.handle) {
    other.handle = nullptr;
}

PluginEntry PluginLibrary::find(const char* name) const noexcept {
#if defined(_WIN32)
    return reinterpret_cast<PluginEntry>(
        reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name)));
#else
    return reinterpret_cast<PluginEntry>(dlsym(handle, name));
#endif
}

PluginEntry PluginLibrary::entry() const {
    if (PluginEntry found = find("VSTPluginMain")) return found;
    if (PluginEntry found = find("main")) return found;
    throw HostError(libraryPath + " is not a plug-in: it exports neither VSTPluginMain nor main");
}
