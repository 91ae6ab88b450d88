// The extended opcode table: opcodes 25 to 79; every other opcode goes to the
// base table. A text or record opcode with a null pointer answers 0 and
// writes nothing.
#include "audioeffectx.h"
#include "opcodes.h"

namespace {
// opt truncated toward zero to a 32-bit integer; outside that range (NaN
// included) the integer is the x86 "indefinite" value, whose low byte is 0.
unsigned char modifierOf(float opt) noexcept {
    const bool inRange = opt >= -2147483648.0f && opt < 2147483648.0f;
    return inRange ? static_cast<unsigned char>(static_cast<VstInt32>(opt) & 0xFF) : 0;
}

VstKeyCode keyCodeOf(VstInt32 index, VstIntPtr value, float opt) noexcept {
    VstKeyCode key{};
    key.character = index;
    key.virt = static_cast<unsigned char>(value & 0xFF);
    key.modifier = modifierOf(opt);
    return key;
}
} // namespace

VstIntPtr AudioEffectX::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                   float opt) noexcept {
    char* const text = static_cast<char*>(ptr);
    switch (opcode) {
    case effProcessEvents: return ptr ? processEvents(static_cast<VstEvents*>(ptr)) : 0;
    case effCanBeAutomated: return canParameterBeAutomated(index) ? 1 : 0;
    case effString2Parameter: return text && string2parameter(index, text) ? 1 : 0;
    case effGetProgramNameIndexed:
        return text && getProgramNameIndexed(static_cast<VstInt32>(value), index, text) ? 1 : 0;
    case effGetInputProperties:
        return ptr && getInputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
    case effGetOutputProperties:
        return ptr && getOutputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
    case effGetPlugCategory: return getPlugCategory();
    case effOfflineNotify:
        return ptr && offlineNotify(static_cast<VstAudioFile*>(ptr), static_cast<VstInt32>(value),
                                    index != 0)
                   ? 1
                   : 0;
    case effOfflinePrepare:
        return ptr && offlinePrepare(static_cast<VstOfflineTask*>(ptr),
                                     static_cast<VstInt32>(value))
                   ? 1
                   : 0;
    case effOfflineRun:
        return ptr && offlineRun(static_cast<VstOfflineTask*>(ptr), static_cast<VstInt32>(value))
                   ? 1
                   : 0;
    case effProcessVarIo: return ptr && processVariableIo(static_cast<VstVariableIo*>(ptr)) ? 1 : 0;
    case effSetSpeakerArrangement: {
        auto* input = reinterpret_cast<VstSpeakerArrangement*>(value);
        auto* output = static_cast<VstSpeakerArrangement*>(ptr);
        return input && output && setSpeakerArrangement(input, output) ? 1 : 0;
    }
    case effSetBypass: return setBypass(value != 0) ? 1 : 0;
    case effGetEffectName: return text && getEffectName(text) ? 1 : 0;
    case effGetVendorString: return text && getVendorString(text) ? 1 : 0;
    case effGetProductString: return text && getProductString(text) ? 1 : 0;
    case effGetVendorVersion: return getVendorVersion();
    case effVendorSpecific: return vendorSpecific(index, value, ptr, opt);
    case effCanDo: return text ? canDo(text) : 0;
    case effGetTailSize: return getGetTailSize();
    case effGetParameterProperties:
        return ptr && getParameterProperties(index, static_cast<VstParameterProperties*>(ptr)) ? 1
                                                                                               : 0;
    case effGetVstVersion: return getVstVersion();
    case effEditKeyDown:
    case effEditKeyUp: {
        if (!editor) return 0;
        VstKeyCode key = keyCodeOf(index, value, opt);
        const bool handled =
            opcode == effEditKeyDown ? editor->onKeyDown(key) : editor->onKeyUp(key);
        return handled ? 1 : 0;
    }
    case effSetEditKnobMode:
        return editor && editor->setKnobMode(static_cast<VstInt32>(value)) ? 1 : 0;
    case effGetMidiProgramName:
        return ptr ? getMidiProgramName(index, static_cast<MidiProgramName*>(ptr)) : 0;
    case effGetCurrentMidiProgram:
        return ptr ? getCurrentMidiProgram(index, static_cast<MidiProgramName*>(ptr)) : 0;
    case effGetMidiProgramCategory:
        return ptr ? getMidiProgramCategory(index, static_cast<MidiProgramCategory*>(ptr)) : 0;
    case effHasMidiProgramsChanged: return hasMidiProgramsChanged(index) ? 1 : 0;
    case effGetMidiKeyName:
        return ptr && getMidiKeyName(index, static_cast<MidiKeyName*>(ptr)) ? 1 : 0;
    case effBeginSetProgram: return beginSetProgram() ? 1 : 0;
    case effEndSetProgram: return endSetProgram() ? 1 : 0;
    case effGetSpeakerArrangement: {
        auto** input = reinterpret_cast<VstSpeakerArrangement**>(value);
        auto** output = static_cast<VstSpeakerArrangement**>(ptr);
        return input && output && getSpeakerArrangement(input, output) ? 1 : 0;
    }
    case effShellGetNextPlugin: return text ? getNextShellPlugin(text) : 0;
    case effStartProcess: return startProcess();
    case effStopProcess: return stopProcess();
    case effSetTotalSampleToProcess: return setTotalSampleToProcess(static_cast<VstInt32>(value));
    case effSetPanLaw: return setPanLaw(static_cast<VstInt32>(value), opt) ? 1 : 0;
    case effBeginLoadBank: return ptr ? beginLoadBank(static_cast<VstPatchChunkInfo*>(ptr)) : 0;
    case effBeginLoadProgram:
        return ptr ? beginLoadProgram(static_cast<VstPatchChunkInfo*>(ptr)) : 0;
    case effSetProcessPrecision: return setProcessPrecision(static_cast<VstInt32>(value)) ? 1 : 0;
    case effGetNumMidiInputChannels: return getNumMidiInputChannels();
    case effGetNumMidiOutputChannels: return getNumMidiOutputChannels();
    default: return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}
