// The clip effect's signal paths.
#include "clipkernel.h"
#include "test.h"

void Test::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) noexcept {
    if (sampleFrames <= 0) return;
    // One reading per block: both channels of every frame see one setting.
    const ClipGains gains = clipGains(preClipGain.load(std::memory_order_relaxed),
                                      clipValue.load(std::memory_order_relaxed),
                                      postClipGain.load(std::memory_order_relaxed));
    const ClipKernel kernel = bestClipKernel().run;
    const auto count = static_cast<std::size_t>(sampleFrames);
    kernel(inputs[0], outputs[0], count, gains);
    kernel(inputs[1], outputs[1], count, gains);
}

namespace {
// One output of the sign split: the samples routed to it land one after
// another from element 0; those beyond its last element are dropped.
class SplitOutput {
public:
    SplitOutput(double* elements, VstInt32 size) noexcept : elements(elements), size(size) {}

    // The element at the write position is cleared, then the sample added to
    // it: -0.0 arrives as +0.0.
    void add(double sample) noexcept {
        if (position == size) return;
        elements[position] = 0.0;
        elements[position] += sample;
        ++position;
    }

    // Clears every element the block has not written.
    void clearRest() noexcept {
        for (VstInt32 k = position; k < size; ++k) elements[k] = 0.0;
    }

private:
    double* elements;
    VstInt32 size;
    VstInt32 position = 0;
};
} // namespace

void Test::processDoubleReplacing(double** inputs, double** outputs,
                                  VstInt32 sampleFrames) noexcept {
    if (sampleFrames <= 0) return;
    const double* const inL = inputs[0];
    const double* const inR = inputs[1];
    SplitOutput left(outputs[0], sampleFrames);
    SplitOutput right(outputs[1], sampleFrames);
    for (VstInt32 k = 0; k < sampleFrames; ++k) {
        // Both samples are read before the frame writes: outputs may be the
        // input buffers.
        const double sampleL = inL[k];
        const double sampleR = inR[k];
        (sampleL >= 0.0 ? left : right).add(sampleL);
        (sampleR >= 0.0 ? left : right).add(sampleR);
    }
    left.clearRest();
    right.clearRest();
}
