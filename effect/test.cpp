#include "test.h"

#include <new>

#include "vststring.h"

namespace {
constexpr float initialParameter = 0.1f;
constexpr auto relaxed = std::memory_order_relaxed;
} // namespace

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) noexcept {
    return new (std::nothrow) Test(audioMaster);
}

Test::Test(audioMasterCallback audioMaster) noexcept
    : AudioEffectX(audioMaster, 1, 3), preClipGain(0.0f), clipValue(0.0f), postClipGain(0.0f) {
    setNumInputs(2);
    setNumOutputs(2);
    setUniqueID(fourCharCode('C', 'R', 'A', 'P'));
    canProcessReplacing(true);
    preClipGain.store(initialParameter, relaxed);
    clipValue.store(initialParameter, relaxed);
    postClipGain.store(initialParameter, relaxed);
    vst_strncpy(programName, "Vellumdrak", 24);
}

Test::~Test() = default;

void Test::setParameter(VstInt32 index, float value) noexcept {
    switch (index) {
    case 0: preClipGain.store(value, relaxed); break;
    case 1: clipValue.store(value, relaxed); break;
    case 2: postClipGain.store(value, relaxed); break;
    default: break;
    }
}

float Test::getParameter(VstInt32 index) noexcept {
    switch (index) {
    case 0: return preClipGain.load(relaxed);
    case 1: return clipValue.load(relaxed);
    case 2: return postClipGain.load(relaxed);
    default: return 0.0f;
    }
}
