// Every text the plug-in hands out ends with a terminator within its limit
// and nothing is written past it. Display texts are read with every
// parameter at 0, 0.5 and 1 as well as at its initial value.
#include <vector>

#include "checks.h"
#include "guarded.h"
#include "hostedeffect.h"
#include "hostrecorder.h"
#include "isolated.h"
#include "opcodes.h"

namespace {
constexpr char kPattern = static_cast<char>(0xA5);

enum class Indexes { one, parameters, programs };

struct TextOpcode {
    VstInt32 opcode;
    const char* name;
    std::size_t limit;
    Indexes indexes;
};

constexpr TextOpcode kTextOpcodes[] = {
    {effGetProgramName, "effGetProgramName", 24, Indexes::one},
    {effGetParamLabel, "effGetParamLabel", 8, Indexes::parameters},
    {effGetParamDisplay, "effGetParamDisplay", 8, Indexes::parameters},
    {effGetParamName, "effGetParamName", 8, Indexes::parameters},
    {effGetProgramNameIndexed, "effGetProgramNameIndexed", 24, Indexes::programs},
    {effGetEffectName, "effGetEffectName", 32, Indexes::one},
    {effGetErrorText, "effGetErrorText", 256, Indexes::one},
    {effGetVendorString, "effGetVendorString", 64, Indexes::one},
    {effGetProductString, "effGetProductString", 64, Indexes::one},
};

// Reads one text into limit + 1 bytes, all set to a pattern beforehand. A
// text that was written must hold a terminator within those bytes.
void readText(const HostedEffect& effect, const TextOpcode& text, VstInt32 index) {
    Guarded<char> buffer(text.limit + 1, kPattern, kPattern);
    const std::string name = std::string(text.name) + " (" + std::to_string(text.opcode) +
                             "), index " + std::to_string(index);
    checkStep(name);
    effect.dispatch(text.opcode, index, 0, buffer.data());
    const std::string where = name + ": ";
    if (!buffer.guardsIntact()) {
        throw CheckFailure(where + "wrote past its " + std::to_string(text.limit) +
                           "-character limit");
    }
    bool written = false;
    for (std::size_t k = 0; k <= text.limit; ++k) {
        if (buffer.data()[k] == 0) return;
        written = written || buffer.data()[k] != kPattern;
    }
    if (written) {
        throw CheckFailure(where + "left its text without a terminator within " +
                           std::to_string(text.limit) + " characters");
    }
}

void readAllTexts(const HostedEffect& effect) {
    const AEffect& record = *effect.record();
    for (const TextOpcode& text : kTextOpcodes) {
        const VstInt32 count = text.indexes == Indexes::parameters ? record.numParams
                               : text.indexes == Indexes::programs ? record.numPrograms
                                                                   : 1;
        for (VstInt32 index = 0; index < count; ++index) readText(effect, text, index);
    }
}
} // namespace

std::string checkTexts(const PluginLibrary& library) {
    HostedEffect effect(library.entry(), HostRecorder::callback);
    effect.dispatch(effOpen);
    readAllTexts(effect);
    for (float value : {0.0f, 0.5f, 1.0f}) {
        for (VstInt32 index = 0; index < effect.record()->numParams; ++index) {
            effect.setParameter(index, value);
        }
        readAllTexts(effect);
    }
    return std::to_string(std::size(kTextOpcodes)) +
           " text opcodes within their limits, parameters initial, 0, 0.5 and 1";
}
