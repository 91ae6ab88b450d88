// The clip effect's signal path as a kernel over one channel of a block:
// gain, symmetric clip, gain. Several variants, one per instruction set, all
// giving the same bits; the fastest one the processor runs is chosen once.
#pragma once

#include <cstddef>

// One setting of the three parameters, prepared for a block. Both gains are
// exact in double precision (a float times 5.0 or 1.5 needs at most 27
// significant bits), and so is every product of a gain and a float sample
// (at most 51 bits, far inside the double range). Rounding such a product to
// float therefore rounds the exact product once.
struct ClipGains {
    double pre;    // preClipGain × 5.0
    float clip;    // clipValue
    float negClip; // −clipValue
    double post;   // postClipGain × 1.5
};

inline ClipGains clipGains(float preClipGain, float clipValue, float postClipGain) noexcept {
    return {static_cast<double>(preClipGain) * 5.0, clipValue, -clipValue,
            static_cast<double>(postClipGain) * 1.5};
}

// One sample through the three stages. The clip tests are strict and the
// upper one comes first; a NaN fails both and passes through.
inline float clipSample(float sample, ClipGains gains) noexcept {
    float value = static_cast<float>(static_cast<double>(sample) * gains.pre);
    value = value > gains.clip ? gains.clip : (value < gains.negClip ? gains.negClip : value);
    return static_cast<float>(static_cast<double>(value) * gains.post);
}

// Runs clipSample over count samples. out is either in itself or a buffer
// that does not overlap it.
using ClipKernel = void (*)(const float* in, float* out, std::size_t count,
                            ClipGains gains) noexcept;

struct ClipKernelVariant {
    const char* name; // the instruction set it is built for
    ClipKernel run;
    bool (*supported)() noexcept;
};

// Every variant this build carries, the fastest first; the last one, the
// floor, runs on every processor the build targets.
extern const ClipKernelVariant clipKernelVariants[];
extern const std::size_t clipKernelVariantCount;

// The fastest variant this processor runs, chosen at the first call.
const ClipKernelVariant& bestClipKernel() noexcept;
