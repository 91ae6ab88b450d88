// The library's exported entry, under the names VSTPluginMain and main, and
// the module attach that records the module handle.
#include "audioeffect.h"
#include "opcodes.h"

#if defined(_WIN32)
#include <windows.h>
#define VST_EXPORT extern "C" __declspec(dllexport)
#else
#include <dlfcn.h>
#define VST_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// The module's instance handle; null until the module is attached.
void* hInstance = nullptr;

VST_EXPORT AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback audioMaster) noexcept {
    if (!audioMaster) return nullptr;
    if (audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
    AudioEffect* effect = createEffectInstance(audioMaster);
    return effect ? effect->getAeffect() : nullptr;
}

#if defined(_WIN32)
// main is exported as a second name of VSTPluginMain by the export list.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
    hInstance = instance;
    return TRUE;
}
#else
// main is the same function under a second name: an alias, not a wrapper.
VST_EXPORT AEffect* VSTCALLBACK vstMainAlias(audioMasterCallback audioMaster) noexcept
    __asm__("main") __attribute__((alias("VSTPluginMain")));

namespace {
__attribute__((constructor)) void attachModule() {
    Dl_info info;
    if (dladdr(reinterpret_cast<void*>(&attachModule), &info) != 0) hInstance = info.dli_fbase;
}
} // namespace
#endif
