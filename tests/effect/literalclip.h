// The clip effect's replacing path written out sample by sample, in the order
// of its steps, reading each parameter at each use: the reference the fast
// path is held to, and the baseline it is measured against.
#pragma once

#include <atomic>

#include "aeffect.h"

struct ClipParameters {
    std::atomic<float> preClipGain{0.1f};
    std::atomic<float> clipValue{0.1f};
    std::atomic<float> postClipGain{0.1f};
};

inline void literalProcessReplacing(const ClipParameters& parameters, float** inputs,
                                    float** outputs, VstInt32 sampleFrames) noexcept {
    constexpr auto relaxed = std::memory_order_relaxed;
    const auto pre = [&] { return static_cast<double>(parameters.preClipGain.load(relaxed)); };
    const auto clip = [&] { return parameters.clipValue.load(relaxed); };
    const auto post = [&] { return static_cast<double>(parameters.postClipGain.load(relaxed)); };
    const float* inL = inputs[0];
    const float* inR = inputs[1];
    float* outL = outputs[0];
    float* outR = outputs[1];
    while (--sampleFrames >= 0) {
        *outL = static_cast<float>(*inL++ * pre() * 5.0);
        *outR = static_cast<float>(*inR++ * pre() * 5.0);
        if (*outL > clip()) {
            *outL = clip();
        } else if (*outL < -clip()) {
            *outL = -clip();
        }
        if (*outR > clip()) {
            *outR = clip();
        } else if (*outR < -clip()) {
            *outR = -clip();
        }
        *outL = static_cast<float>(post() * 1.5 * *outL);
        *outR = static_cast<float>(post() * 1.5 * *outR);
        ++outL;
        ++outR;
    }
}
