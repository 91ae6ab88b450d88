#include "audioeffect.h"

#include <cstring>

#include "opcodes.h"
#include "recordentries.h"

AudioEffect::AudioEffect(audioMasterCallback audioMaster, VstInt32 numPrograms,
                         VstInt32 numParams) noexcept
    : audioMaster(audioMaster), editor(nullptr), sampleRate(44100.0f), blockSize(1024),
      numPrograms(numPrograms), numParams(numParams), curProgram(0) {
    std::memset(&cEffect, 0, sizeof(cEffect));
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatcherEntry;
    cEffect.process = processEntry;
    cEffect.setParameter = setParameterEntry;
    cEffect.getParameter = getParameterEntry;
    cEffect.numPrograms = numPrograms;
    cEffect.numParams = numParams;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = fourCharCode('N', 'o', 'E', 'f');
    cEffect.version = 1;
    cEffect.processReplacing = processReplacingEntry;
    AudioEffect::canProcessReplacing(true);
    cEffect.processDoubleReplacing = processDoubleReplacingEntry;
}

AudioEffect::~AudioEffect() { delete editor; }

void AudioEffect::setEditor(AEffEditor* newEditor) noexcept {
    editor = newEditor;
    setFlag(effFlagsHasEditor, newEditor != nullptr);
}

void AudioEffect::setParameterAutomated(VstInt32 index, float value) noexcept {
    setParameter(index, value);
    if (audioMaster) callHost(audioMasterAutomate, index, 0, nullptr, value);
}

VstInt32 AudioEffect::getMasterVersion() noexcept {
    if (!audioMaster) return 1;
    const auto version = static_cast<VstInt32>(callHost(audioMasterVersion));
    return version == 0 ? 1 : version;
}

VstInt32 AudioEffect::getCurrentUniqueId() noexcept {
    return audioMaster ? static_cast<VstInt32>(callHost(audioMasterCurrentId)) : 0;
}

void AudioEffect::masterIdle() noexcept {
    if (audioMaster) callHost(audioMasterIdle);
}

bool AudioEffect::isInputConnected(VstInt32 input) noexcept {
    return !audioMaster || callHost(audioMasterPinConnected, input, 0) == 0;
}

bool AudioEffect::isOutputConnected(VstInt32 output) noexcept {
    return !audioMaster || callHost(audioMasterPinConnected, output, 1) == 0;
}
