#include "hostedeffect.h"

#include <array>
#include <cstdio>

#include "hosterror.h"
#include "opcodes.h"

HostedEffect::HostedEffect(PluginEntry entry, audioMasterCallback callback)
    : effect(entry(callback)) {
    if (!effect) throw HostError("the plug-in's entry answered no effect record");
    if (effect->magic != kEffectMagic) {
        char message[80];
        std::snprintf(message, sizeof message, "the effect record's magic is 0x%08X, not 'VstP'",
                      static_cast<unsigned>(effect->magic));
        throw HostError(message);
    }
}

HostedEffect::~HostedEffect() { close(); }

VstIntPtr HostedEffect::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                 float opt) const noexcept {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

std::string HostedEffect::text(VstInt32 opcode, VstInt32 index) const {
    std::array<char, 256> buffer{};
    dispatch(opcode, index, 0, buffer.data());
    buffer.back() = 0;
    return buffer.data();
}

void HostedEffect::open(float sampleRate, VstInt32 maxBlockSize) const noexcept {
    dispatch(effOpen);
    dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate);
    dispatch(effSetBlockSize, 0, maxBlockSize);
}

void HostedEffect::setActive(bool active) const noexcept { dispatch(effMainsChanged, 0, active); }

void HostedEffect::setParameter(VstInt32 index, float value) const noexcept {
    effect->setParameter(effect, index, value);
}

float HostedEffect::getParameter(VstInt32 index) const noexcept {
    return effect->getParameter(effect, index);
}

void HostedEffect::process(float** inputs, float** outputs, VstInt32 sampleFrames) const noexcept {
    effect->process(effect, inputs, outputs, sampleFrames);
}

void HostedEffect::processReplacing(float** inputs, float** outputs,
                                    VstInt32 sampleFrames) const noexcept {
    effect->processReplacing(effect, inputs, outputs, sampleFrames);
}

void HostedEffect::processDoubleReplacing(double** inputs, double** outputs,
                                          VstInt32 sampleFrames) const noexcept {
    effect->processDoubleReplacing(effect, inputs, outputs, sampleFrames);
}

VstIntPtr HostedEffect::close() noexcept {
    if (!effect) return 0;
    const VstIntPtr answer = dispatch(effClose);
    effect = nullptr;
    return answer;
}
