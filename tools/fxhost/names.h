// How fxhost names what it reads from a record: flag bits, plug-in
// categories, four-character codes and parameter values.
#pragma once

#include <string>

#include "aeffect.h"

// Every flag bit of the interface; any other bit is unknown.
constexpr VstInt32 kKnownFlags = effFlagsHasEditor | effFlagsHasClip | effFlagsHasVu |
                                 effFlagsCanMono | effFlagsCanReplacing | effFlagsProgramChunks |
                                 effFlagsIsSynth | effFlagsNoSoundInStop | effFlagsExtIsAsync |
                                 effFlagsExtHasBuffer | effFlagsCanDoubleReplacing;

// The names of the set bits separated by spaces ("none" for no bit); an
// unknown bit is shown in hexadecimal.
std::string flagNames(VstInt32 flags);
// The name of a plug-in category, or "unknown category".
std::string categoryName(VstIntPtr category);
// The code as four quoted characters, such as 'VstP'; a character that is
// not printable is shown as \xNN.
std::string fourCharText(VstInt32 code);
// The shortest text that reads back as the same float, such as 0.1.
std::string shortestText(float value);
