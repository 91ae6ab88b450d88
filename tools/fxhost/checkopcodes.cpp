// Every opcode from 0 to 100 sent with valid buffers: the plug-in must answer
// each without crashing and without writing past the buffers it was given.
#include "checks.h"
#include "guarded.h"
#include "hostedeffect.h"
#include "hostrecorder.h"
#include "isolated.h"
#include "opcodes.h"

namespace {
constexpr VstInt32 kLastOpcode = 100;
// Room for the largest record any opcode passes.
constexpr std::size_t kBufferBytes = 4096;
constexpr unsigned char kGuardByte = 0xA5;
constexpr VstInt32 kBlockSize = 512;
constexpr float kSampleRate = 44100.0f;

// What a host sends in value and opt with each opcode; ptr is always a
// zeroed buffer, which reads as an empty text or an empty record.
struct Operands {
    VstIntPtr value;
    float opt;
};

Operands operandsFor(VstInt32 opcode, Guarded<unsigned char>& second) {
    switch (opcode) {
    case effSetSampleRate: return {0, kSampleRate};
    case effSetBlockSize: return {kBlockSize, 0.0f};
    // These take a second record, or the place for a pointer to one, in value.
    case effSetSpeakerArrangement:
    case effGetSpeakerArrangement: return {reinterpret_cast<VstIntPtr>(second.data()), 0.0f};
    default: return {0, 0.0f};
    }
}
} // namespace

std::string checkOpcodes(const PluginLibrary& library) {
    HostedEffect effect(library.entry(), HostRecorder::callback);
    // Opening an editor needs a real window; a plug-in with an editor is not
    // sent effEditOpen here.
    const bool hasEditor = effect.record()->flags & effFlagsHasEditor;
    for (VstInt32 opcode = 0; opcode <= kLastOpcode; ++opcode) {
        if (opcode == effClose || (opcode == effEditOpen && hasEditor)) continue;
        Guarded<unsigned char> buffer(kBufferBytes, 0, kGuardByte);
        Guarded<unsigned char> second(kBufferBytes, 0, kGuardByte);
        const Operands operands = operandsFor(opcode, second);
        checkStep("opcode " + std::to_string(opcode));
        effect.dispatch(opcode, 0, operands.value, buffer.data(), operands.opt);
        if (!buffer.guardsIntact() || !second.guardsIntact()) {
            throw CheckFailure("opcode " + std::to_string(opcode) + " wrote outside its " +
                               std::to_string(kBufferBytes) + "-byte buffer");
        }
    }
    effect.close();
    return std::string("opcodes 0 to 100 answered, effClose last") +
           (hasEditor ? " (effEditOpen skipped: it needs a window)" : "");
}
