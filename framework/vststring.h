// Bounded copy and append: with limit n the result is cut to n characters and
// a terminator is written at index n, never beyond. A negative limit leaves
// the destination untouched: there is no index at which a terminator fits.
#pragma once

#include "aeffect.h"

// Copies src, cut to n characters, and zero-fills the destination up to and
// including index n: exactly n + 1 bytes are written.
char* vst_strncpy(char* dst, const char* src, VstInt32 n) noexcept;

// Appends src to the text in dst, the whole cut to n characters, and writes a
// terminator at index n. Bytes between the text's terminator and index n keep
// their values; the destination's text is read no further than index n - 1.
char* vst_strncat(char* dst, const char* src, VstInt32 n) noexcept;
