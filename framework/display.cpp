#include "audioeffect.h"
#include "vststring.h"

// Placeholders until the display routines land: each writes the empty text.
void AudioEffect::dB2string(float, char* text, VstInt32 maxLen) noexcept { vst_strncpy(text, "", maxLen); }
void AudioEffect::Hz2string(float, char* text, VstInt32 maxLen) noexcept { vst_strncpy(text, "", maxLen); }
void AudioEffect::ms2string(float, char* text, VstInt32 maxLen) noexcept { vst_strncpy(text, "", maxLen); }
void AudioEffect::float2string(float, char* text, VstInt32 maxLen) noexcept { vst_strncpy(text, "", maxLen); }
void AudioEffect::int2string(VstInt32, char* text, VstInt32 maxLen) noexcept { vst_strncpy(text, "", maxLen); }
