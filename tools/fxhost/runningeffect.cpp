#include "runningeffect.h"

#include "hosterror.h"
#include "hostrecorder.h"
#include "opcodes.h"

RunningEffect::RunningEffect(const PluginLibrary& library, float sampleRate, VstInt32 maxBlockSize,
                             const std::vector<ParameterSetting>& settings)
    : hosted(library.entry(), HostRecorder::callback) {
    const AEffect* record = hosted.record();
    if (!(record->flags & effFlagsCanReplacing) || !record->processReplacing) {
        throw HostError(library.path() + " does not process through processReplacing");
    }
    HostRecorder& recorder = HostRecorder::instance();
    recorder.answer(audioMasterGetSampleRate, static_cast<VstIntPtr>(sampleRate));
    recorder.answer(audioMasterGetBlockSize, maxBlockSize);
    hosted.open(sampleRate, maxBlockSize);
    applyParameterSettings(hosted, settings);
    hosted.setActive(true);
}

RunningEffect::~RunningEffect() { hosted.setActive(false); }
