// fxhost curve: the effect's transfer curve, output against input from -1 to
// +1, measured through the record and drawn as an SVG file.
#pragma once

#include <string>
#include <vector>

#include "parametersetting.h"

struct CurveOptions {
    std::string plugin;
    std::string output;
    std::vector<ParameterSetting> settings;
};

// Throws HostError, writing nothing, on failure.
void curve(const CurveOptions& options);
