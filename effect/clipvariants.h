// The instruction-set variants of the clip kernel (see clipkernel.h).
#pragma once

#include "clipkernel.h"

#if !defined(__x86_64__) && !defined(__i386__)
#error "the clip kernels are written for x86 processors"
#endif

void clipKernelSse2(const float* in, float* out, std::size_t count, ClipGains gains) noexcept;

#if defined(__x86_64__)
void clipKernelAvx2(const float* in, float* out, std::size_t count, ClipGains gains) noexcept;
void clipKernelAvx512(const float* in, float* out, std::size_t count, ClipGains gains) noexcept;
#endif
