// The extended host services: each checks for a callback, sends one opcode
// and turns the host's answer into its result.
#include "audioeffectx.h"
#include "opcodes.h"

namespace {
template <typename T> T* asPointer(VstIntPtr answer) noexcept {
    return reinterpret_cast<T*>(answer);
}
} // namespace

void AudioEffectX::resume() noexcept {
    if (!(cEffect.flags & effFlagsIsSynth)) {
        char capability[] = "receiveVstMidiEvent";
        if (canDo(capability) != 1) return;
    }
    wantEvents(1);
}

void AudioEffectX::wantEvents(VstInt32 filter) noexcept {
    if (audioMaster) callHost(audioMasterWantMidi, 0, filter);
}

VstTimeInfo* AudioEffectX::getTimeInfo(VstInt32 filter) noexcept {
    return audioMaster ? asPointer<VstTimeInfo>(callHost(audioMasterGetTime, 0, filter)) : nullptr;
}

bool AudioEffectX::sendVstEventsToHost(VstEvents* events) noexcept {
    return audioMaster && callHost(audioMasterProcessEvents, 0, 0, events) == 1;
}

VstInt32 AudioEffectX::tempoAt(VstInt32 pos) noexcept {
    return audioMaster ? static_cast<VstInt32>(callHost(audioMasterTempoAt, 0, pos)) : 0;
}

VstInt32 AudioEffectX::getNumAutomatableParameters() noexcept {
    return audioMaster ? static_cast<VstInt32>(callHost(audioMasterGetNumAutomatableParameters))
                       : 0;
}

VstInt32 AudioEffectX::getParameterQuantization() noexcept {
    return audioMaster ? static_cast<VstInt32>(callHost(audioMasterGetParameterQuantization)) : 0;
}

bool AudioEffectX::ioChanged() noexcept {
    return audioMaster && callHost(audioMasterIOChanged) != 0;
}

bool AudioEffectX::needIdle() noexcept { return audioMaster && callHost(audioMasterNeedIdle) != 0; }

bool AudioEffectX::sizeWindow(VstInt32 width, VstInt32 height) noexcept {
    return audioMaster && callHost(audioMasterSizeWindow, width, height) != 0;
}

double AudioEffectX::updateSampleRate() noexcept {
    if (audioMaster) {
        const VstIntPtr rate = callHost(audioMasterGetSampleRate);
        if (rate > 0) sampleRate = static_cast<float>(rate);
    }
    return sampleRate;
}

VstInt32 AudioEffectX::updateBlockSize() noexcept {
    if (audioMaster) {
        // An answer no block size can hold (possible where pointers are wider
        // than 32 bits) is ignored like one of 0 or less.
        const VstIntPtr size = callHost(audioMasterGetBlockSize);
        const auto narrowed = static_cast<VstInt32>(size);
        if (size > 0 && narrowed == size) blockSize = narrowed;
    }
    return blockSize;
}

VstInt32 AudioEffectX::getInputLatency() noexcept {
    return audioMaster ? static_cast<VstInt32>(callHost(audioMasterGetInputLatency)) : 0;
}

VstInt32 AudioEffectX::getOutputLatency() noexcept {
    return audioMaster ? static_cast<VstInt32>(callHost(audioMasterGetOutputLatency)) : 0;
}

AEffect* AudioEffectX::getPreviousPlug(VstInt32 /*input*/) noexcept {
    return audioMaster ? asPointer<AEffect>(callHost(audioMasterGetPreviousPlug)) : nullptr;
}

AEffect* AudioEffectX::getNextPlug(VstInt32 /*output*/) noexcept {
    return audioMaster ? asPointer<AEffect>(callHost(audioMasterGetNextPlug)) : nullptr;
}

VstInt32 AudioEffectX::willProcessReplacing() noexcept {
    return audioMaster ? static_cast<VstInt32>(callHost(audioMasterWillReplaceOrAccumulate)) : 0;
}

VstInt32 AudioEffectX::getCurrentProcessLevel() noexcept {
    return audioMaster ? static_cast<VstInt32>(callHost(audioMasterGetCurrentProcessLevel)) : 0;
}

VstInt32 AudioEffectX::getAutomationState() noexcept {
    return audioMaster ? static_cast<VstInt32>(callHost(audioMasterGetAutomationState)) : 0;
}

bool AudioEffectX::offlineStart(VstAudioFile* ptr, VstInt32 numAudioFiles,
                                VstInt32 numNewAudioFiles) noexcept {
    return audioMaster &&
           callHost(audioMasterOfflineStart, numNewAudioFiles, numAudioFiles, ptr) != 0;
}

bool AudioEffectX::offlineRead(VstOfflineTask* offline, VstInt32 option, bool readSource) noexcept {
    return audioMaster &&
           callHost(audioMasterOfflineRead, readSource ? 1 : 0, option, offline) != 0;
}

bool AudioEffectX::offlineWrite(VstOfflineTask* offline, VstInt32 option) noexcept {
    return audioMaster && callHost(audioMasterOfflineWrite, 0, option, offline) != 0;
}

VstInt32 AudioEffectX::offlineGetCurrentPass() noexcept {
    return audioMaster && callHost(audioMasterOfflineGetCurrentPass) != 0 ? 1 : 0;
}

VstInt32 AudioEffectX::offlineGetCurrentMetaPass() noexcept {
    return audioMaster && callHost(audioMasterOfflineGetCurrentMetaPass) != 0 ? 1 : 0;
}

void AudioEffectX::setOutputSamplerate(float samplerate) noexcept {
    if (audioMaster) callHost(audioMasterSetOutputSampleRate, 0, 0, nullptr, samplerate);
}

VstSpeakerArrangement* AudioEffectX::getOutputSpeakerArrangement() noexcept {
    return audioMaster
               ? asPointer<VstSpeakerArrangement>(callHost(audioMasterGetOutputSpeakerArrangement))
               : nullptr;
}

bool AudioEffectX::getHostVendorString(char* text) noexcept {
    return audioMaster && callHost(audioMasterGetVendorString, 0, 0, text) != 0;
}

bool AudioEffectX::getHostProductString(char* text) noexcept {
    return audioMaster && callHost(audioMasterGetProductString, 0, 0, text) != 0;
}

VstInt32 AudioEffectX::getHostVendorVersion() noexcept {
    return audioMaster ? static_cast<VstInt32>(callHost(audioMasterGetVendorVersion)) : 0;
}

VstIntPtr AudioEffectX::hostVendorSpecific(VstInt32 lArg, VstIntPtr lArg2, void* ptrArg,
                                           float floatArg) noexcept {
    return audioMaster ? callHost(audioMasterVendorSpecific, lArg, lArg2, ptrArg, floatArg) : 0;
}

VstInt32 AudioEffectX::canHostDo(char* text) noexcept {
    return audioMaster && callHost(audioMasterCanDo, 0, 0, text) != 0 ? 1 : 0;
}

VstInt32 AudioEffectX::getHostLanguage() noexcept {
    return audioMaster ? static_cast<VstInt32>(callHost(audioMasterGetLanguage)) : 0;
}

void* AudioEffectX::openWindow(void* window) noexcept {
    return audioMaster ? asPointer<void>(callHost(audioMasterOpenWindow, 0, 0, window)) : nullptr;
}

bool AudioEffectX::closeWindow(void* window) noexcept {
    return audioMaster && callHost(audioMasterCloseWindow, 0, 0, window) != 0;
}

void* AudioEffectX::getDirectory() noexcept {
    return audioMaster ? asPointer<void>(callHost(audioMasterGetDirectory)) : nullptr;
}

bool AudioEffectX::updateDisplay() noexcept {
    return audioMaster && callHost(audioMasterUpdateDisplay) != 0;
}

bool AudioEffectX::beginEdit(VstInt32 index) noexcept {
    return audioMaster && callHost(audioMasterBeginEdit, index) != 0;
}

bool AudioEffectX::endEdit(VstInt32 index) noexcept {
    return audioMaster && callHost(audioMasterEndEdit, index) != 0;
}

bool AudioEffectX::openFileSelector(void* fileSelect) noexcept {
    return audioMaster && fileSelect &&
           callHost(audioMasterOpenFileSelector, 0, 0, fileSelect) != 0;
}

bool AudioEffectX::closeFileSelector(void* fileSelect) noexcept {
    return audioMaster && fileSelect &&
           callHost(audioMasterCloseFileSelector, 0, 0, fileSelect) != 0;
}

bool AudioEffectX::getChunkFile(void* nativePath) noexcept {
    return audioMaster && nativePath && callHost(audioMasterGetChunkFile, 0, 0, nativePath) != 0;
}

VstSpeakerArrangement* AudioEffectX::getInputSpeakerArrangement() noexcept {
    return audioMaster
               ? asPointer<VstSpeakerArrangement>(callHost(audioMasterGetInputSpeakerArrangement))
               : nullptr;
}
