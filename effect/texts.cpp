// Every text the clip effect hands the host.
#include "test.h"
#include "vststring.h"

namespace {
constexpr const char* parameterNames[] = {"Pre Clip Gain", "Clip Value", "Post Clip Gain"};
constexpr VstInt32 programNameLimit = 24;
constexpr VstInt32 parameterTextLimit = 8;
} // namespace

void Test::setProgramName(char* name) noexcept { vst_strncpy(programName, name, programNameLimit); }

void Test::getProgramName(char* name) noexcept { vst_strncpy(name, programName, programNameLimit); }

void Test::getParameterName(VstInt32 index, char* text) noexcept {
    if (index >= 0 && index < 3) vst_strncpy(text, parameterNames[index], parameterTextLimit);
}

void Test::getParameterLabel(VstInt32 /*index*/, char* label) noexcept {
    vst_strncpy(label, "some value", parameterTextLimit);
}

void Test::getParameterDisplay(VstInt32 index, char* text) noexcept {
    float value;
    switch (index) {
    case 0: value = static_cast<float>(preClipGain.load(std::memory_order_relaxed) * -10.0); break;
    case 1: value = static_cast<float>(clipValue.load(std::memory_order_relaxed) - 10.0); break;
    case 2: value = static_cast<float>(postClipGain.load(std::memory_order_relaxed) - 10.0); break;
    default: return;
    }
    dB2string(value, text, parameterTextLimit);
}

bool Test::getEffectName(char* name) noexcept {
    vst_strncpy(name, "Effect Name goes here", 32);
    return true;
}

bool Test::getVendorString(char* text) noexcept {
    vst_strncpy(text, "Halvardine", 64);
    return true;
}

bool Test::getProductString(char* text) noexcept {
    vst_strncpy(text, "test product string", 64);
    return true;
}

VstInt32 Test::getVendorVersion() noexcept { return 1000; }
