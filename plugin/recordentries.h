// The plain functions stored in the effect record. Each reads the object from
// the record and makes one virtual call on it.
#pragma once

#include "aeffect.h"

VstIntPtr VSTCALLBACK dispatcherEntry(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                      VstIntPtr value, void* ptr, float opt) noexcept;
void VSTCALLBACK processEntry(AEffect* effect, float** inputs, float** outputs,
                              VstInt32 sampleFrames) noexcept;
void VSTCALLBACK setParameterEntry(AEffect* effect, VstInt32 index, float parameter) noexcept;
float VSTCALLBACK getParameterEntry(AEffect* effect, VstInt32 index) noexcept;
void VSTCALLBACK processReplacingEntry(AEffect* effect, float** inputs, float** outputs,
                                       VstInt32 sampleFrames) noexcept;
void VSTCALLBACK processDoubleReplacingEntry(AEffect* effect, double** inputs, double** outputs,
                                             VstInt32 sampleFrames) noexcept;
