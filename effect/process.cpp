// The clip effect's signal paths.
#include "test.h"

void Test::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) noexcept {
    const float pre = preClipGain.load(std::memory_order_relaxed);
    const float clip = clipValue.load(std::memory_order_relaxed);
    const float post = postClipGain.load(std::memory_order_relaxed);
    for (int channel = 0; channel < 2; ++channel) {
        const float* in = inputs[channel];
        float* out = outputs[channel];
        for (VstInt32 k = 0; k < sampleFrames; ++k) {
            float v = static_cast<float>(in[k] * static_cast<double>(pre) * 5.0);
            v = v > clip ? clip : (v < -clip ? -clip : v);
            out[k] = static_cast<float>(static_cast<double>(post) * 1.5 * v);
        }
    }
}

void Test::processDoubleReplacing(double** inputs, double** outputs,
                                  VstInt32 sampleFrames) noexcept {
    double* const left = outputs[0];
    double* const right = outputs[1];
    VstInt32 leftPosition = 0;
    VstInt32 rightPosition = 0;
    for (VstInt32 k = 0; k < sampleFrames; ++k) {
        if (leftPosition < sampleFrames) left[leftPosition] = 0.0;
        if (rightPosition < sampleFrames) right[rightPosition] = 0.0;
        for (int channel = 0; channel < 2; ++channel) {
            const double sample = inputs[channel][k];
            const bool toLeft = sample >= 0.0;
            double* const out = toLeft ? left : right;
            VstInt32& position = toLeft ? leftPosition : rightPosition;
            if (position < sampleFrames) out[position++] += sample;
        }
    }
}
