// The instruction-set variants of the clip kernel (see clipkernel.h).
#pragma once

#include "clipkernel.h"

#if !defined(__x86_64__) && !defined(__i386__)
#error "the clip kernels are written for x86 processors"
#endif

// Each variant runs its two stages as two passes over chunks of this many
// samples (4 KB, which stay in the first-level cache): gain and clip into the
// output, then the post-gain over the output in place. A conversion to double
// and back takes several cycles; with half the chain in each pass, the
// processor keeps more iterations in flight than with one long chain.
constexpr std::size_t clipChunk = 1024;

void clipKernelSse2(const float* in, float* out, std::size_t count, ClipGains gains) noexcept;

#if defined(__x86_64__)
void clipKernelAvx2(const float* in, float* out, std::size_t count, ClipGains gains) noexcept;
void clipKernelAvx512(const float* in, float* out, std::size_t count, ClipGains gains) noexcept;
#endif
