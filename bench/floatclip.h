// Gain, clip and gain in float alone, with the clip kernels' structure but
// none of their conversions to and from double: what the clip effect would
// cost without rounding each exact product once.
#pragma once

#include "clipkernel.h"

// The float-only kernel built for the instruction set of the clip kernel
// variant of that name, or null. It rounds both gains to float once.
ClipKernel floatClipKernel(const char* name) noexcept;
