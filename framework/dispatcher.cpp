// The base opcode table: opcodes 0 to 24. A text, chunk or rectangle opcode
// with a null ptr answers 0 and writes nothing.
#include "audioeffect.h"
#include "opcodes.h"

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                  float opt) noexcept {
    char* const text = static_cast<char*>(ptr);
    switch (opcode) {
    case effOpen: open(); break;
    case effClose: close(); break;
    case effSetProgram:
        if (value < numPrograms) setProgram(static_cast<VstInt32>(value));
        break;
    case effGetProgram: return getProgram();
    case effSetProgramName:
        if (text) setProgramName(text);
        break;
    case effGetProgramName:
        if (text) getProgramName(text);
        break;
    case effGetParamLabel:
        if (text) getParameterLabel(index, text);
        break;
    case effGetParamDisplay:
        if (text) getParameterDisplay(index, text);
        break;
    case effGetParamName:
        if (text) getParameterName(index, text);
        break;
    case effSetSampleRate: setSampleRate(opt); break;
    case effSetBlockSize: setBlockSize(static_cast<VstInt32>(value)); break;
    case effMainsChanged:
        if (value != 0) {
            resume();
        } else {
            suspend();
        }
        break;
    case effEditGetRect: return editor && ptr && editor->getRect(static_cast<ERect**>(ptr)) ? 1 : 0;
    case effEditOpen: return editor && editor->open(ptr) ? 1 : 0;
    case effEditClose:
        if (editor) editor->close();
        break;
    case effEditIdle:
        if (editor) editor->idle();
        break;
    case effIdentify: return kEffectIdentify;
    case effGetChunk: return ptr ? getChunk(static_cast<void**>(ptr), index != 0) : 0;
    case effSetChunk: return ptr ? setChunk(ptr, static_cast<VstInt32>(value), index != 0) : 0;
    default: break;
    }
    return 0;
}
