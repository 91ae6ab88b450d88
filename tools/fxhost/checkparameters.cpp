// Parameters set through the record read back as set; a write to the index
// past the last parameter changes none of them.
#include <cmath>
#include <cstring>
#include <vector>

#include "checks.h"
#include "hostedeffect.h"
#include "hostrecorder.h"
#include "isolated.h"
#include "names.h"
#include "opcodes.h"

namespace {
// How far a read-back value may stray: room for a plug-in that keeps its
// values in another unit and converts them back.
constexpr float kTolerance = 1e-6f;

std::vector<float> allValues(const HostedEffect& effect) {
    std::vector<float> values;
    for (VstInt32 index = 0; index < effect.record()->numParams; ++index) {
        values.push_back(effect.getParameter(index));
    }
    return values;
}
} // namespace

std::string checkParameters(const PluginLibrary& library) {
    HostedEffect effect(library.entry(), HostRecorder::callback);
    effect.dispatch(effOpen);
    const VstInt32 count = effect.record()->numParams;
    for (VstInt32 index = 0; index < count; ++index) {
        checkStep("parameter " + std::to_string(index));
        for (float value : {0.0f, 0.25f, 0.5f, 1.0f, 0.75f}) {
            effect.setParameter(index, value);
            const float read = effect.getParameter(index);
            if (!(std::fabs(read - value) <= kTolerance)) {
                throw CheckFailure("parameter " + std::to_string(index) + " set to " +
                                   shortestText(value) + " reads back as " + shortestText(read));
            }
        }
    }
    const std::vector<float> before = allValues(effect);
    checkStep("parameter " + std::to_string(count) + ", past the last");
    effect.setParameter(count, 0.5f);
    effect.getParameter(count);
    const std::vector<float> after = allValues(effect);
    if (!before.empty() &&
        std::memcmp(before.data(), after.data(), before.size() * sizeof(float)) != 0) {
        throw CheckFailure("setting index " + std::to_string(count) +
                           ", past the last parameter, changed a parameter");
    }
    return "each of numParams " + std::to_string(count) +
           " set to 0, 0.25, 0.5, 1 and 0.75 and read back; index " + std::to_string(count) +
           " ignored";
}
