// One block through a processing entry of the record, with every buffer
// guarded: the outputs must be written all through the block and nowhere
// else, and the inputs must be left as they were.
#pragma once

#include "aeffect.h"

enum class TestSignal { silence, fullScale, nonFinite };

// Runs one block of frames of the signal through processReplacing (float) or
// processDoubleReplacing (double); throws CheckFailure naming the fault.
// Outputs must also be finite unless the input was not.
template <typename Sample>
void runGuardedBlock(AEffect* record, TestSignal signal, VstInt32 frames);

extern template void runGuardedBlock<float>(AEffect*, TestSignal, VstInt32);
extern template void runGuardedBlock<double>(AEffect*, TestSignal, VstInt32);
