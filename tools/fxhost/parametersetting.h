// Parameter values given on the command line as INDEX=VALUE.
#pragma once

#include <string>
#include <vector>

#include "hostedeffect.h"

struct ParameterSetting {
    VstInt32 index;
    float value;
    std::string text; // as given, for messages
};

// Reads INDEX=VALUE; throws std::invalid_argument, with a message naming the
// text, when the index is not a whole number from 0 or the value is not a
// number from 0 to 1.
ParameterSetting parseParameterSetting(const std::string& text);

// Sets each value on the effect, in order; throws HostError when an index is
// not one of the effect's parameters, before setting anything.
void applyParameterSettings(const HostedEffect& effect,
                            const std::vector<ParameterSetting>& settings);
