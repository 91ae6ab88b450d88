// fxhost render: runs an audio file, or the demo signal, through a plug-in
// as a host does and writes the result as a 32-bit float WAV file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "parametersetting.h"

struct RenderOptions {
    std::string plugin;
    std::string input; // empty for the demo signal
    std::string output;
    std::vector<ParameterSetting> settings;
    int blockSize = 512;
    std::optional<int> sampleRate; // the demo signal's rate; a file brings its own
};

constexpr int kDemoSampleRate = 44100;

// Prints a one-line summary; throws HostError, writing nothing, on failure.
void render(const RenderOptions& options);
