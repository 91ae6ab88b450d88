#include "recordentries.h"

#include "audioeffect.h"
#include "opcodes.h"

namespace {
AudioEffect* objectOf(AEffect* effect) noexcept {
    return static_cast<AudioEffect*>(effect->object);
}
} // namespace

VstIntPtr VSTCALLBACK dispatcherEntry(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                      VstIntPtr value, void* ptr, float opt) noexcept {
    AudioEffect* object = objectOf(effect);
    if (opcode == effClose) {
        object->dispatcher(opcode, index, value, ptr, opt);
        delete object;
        return 1;
    }
    return object->dispatcher(opcode, index, value, ptr, opt);
}

void VSTCALLBACK processEntry(AEffect* effect, float** inputs, float** outputs,
                              VstInt32 sampleFrames) noexcept {
    objectOf(effect)->process(inputs, outputs, sampleFrames);
}

void VSTCALLBACK setParameterEntry(AEffect* effect, VstInt32 index, float parameter) noexcept {
    objectOf(effect)->setParameter(index, parameter);
}

float VSTCALLBACK getParameterEntry(AEffect* effect, VstInt32 index) noexcept {
    return objectOf(effect)->getParameter(index);
}

void VSTCALLBACK processReplacingEntry(AEffect* effect, float** inputs, float** outputs,
                                       VstInt32 sampleFrames) noexcept {
    objectOf(effect)->processReplacing(inputs, outputs, sampleFrames);
}

void VSTCALLBACK processDoubleReplacingEntry(AEffect* effect, double** inputs, double** outputs,
                                             VstInt32 sampleFrames) noexcept {
    objectOf(effect)->processDoubleReplacing(inputs, outputs, sampleFrames);
}
