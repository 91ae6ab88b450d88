// Bounded copy and append: with limit n the result is cut to n characters and
// a terminator is written at index n, never beyond.
#pragma once

#include "aeffect.h"

char* vst_strncpy(char* dst, const char* src, VstInt32 n) noexcept;
char* vst_strncat(char* dst, const char* src, VstInt32 n) noexcept;
