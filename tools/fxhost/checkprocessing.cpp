// Processing of silence, full-scale and non-finite input in blocks of 0, 1,
// an odd number and the largest announced number of frames.
#include "blockrun.h"
#include "checks.h"
#include "opcodes.h"
#include "runningeffect.h"

namespace {
constexpr VstInt32 kLargestBlock = 4096;
constexpr VstInt32 kBlockSizes[] = {0, 1, 37, kLargestBlock};
constexpr float kSampleRate = 44100.0f;
// effSetProcessPrecision's value for 64-bit samples.
constexpr VstIntPtr kPrecision64 = 1;

std::string runSignal(const PluginLibrary& library, TestSignal signal) {
    const RunningEffect running(library, kSampleRate, kLargestBlock);
    AEffect* const record = running.record();
    for (VstInt32 frames : kBlockSizes) runGuardedBlock<float>(record, signal, frames);
    const bool doubles = record->flags & effFlagsCanDoubleReplacing;
    if (doubles) {
        running.effect().setActive(false);
        running.effect().dispatch(effSetProcessPrecision, 0, kPrecision64);
        running.effect().setActive(true);
        for (VstInt32 frames : kBlockSizes) runGuardedBlock<double>(record, signal, frames);
    }
    return std::string("blocks of 0, 1, 37 and 4096 frames through processReplacing") +
           (doubles ? " and processDoubleReplacing" : "");
}
} // namespace

std::string checkSilence(const PluginLibrary& library) {
    return runSignal(library, TestSignal::silence);
}

std::string checkFullScale(const PluginLibrary& library) {
    return runSignal(library, TestSignal::fullScale);
}

std::string checkNonFinite(const PluginLibrary& library) {
    return runSignal(library, TestSignal::nonFinite);
}
