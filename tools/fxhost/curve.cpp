#include "curve.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "channels.h"
#include "hosterror.h"
#include "names.h"
#include "opcodes.h"
#include "outputfile.h"
#include "runningeffect.h"
#include "svgplot.h"

namespace {
// Input levels measured, evenly spaced from -1 to +1 with 0 among them.
constexpr int kPoints = 1001;
constexpr float kSampleRate = 44100.0f;

// "name = value" for every parameter, as the effect holds them.
std::string settingsText(const HostedEffect& effect) {
    std::string text;
    for (VstInt32 index = 0; index < effect.record()->numParams; ++index) {
        if (!text.empty()) text += ", ";
        text +=
            effect.text(effGetParamName, index) + " = " + shortestText(effect.getParameter(index));
    }
    return text;
}

Plot measure(const CurveOptions& options) {
    const PluginLibrary library(options.plugin);
    const RunningEffect running(library, kSampleRate, kPoints, options.settings);
    const AEffect& record = *running.record();
    if (record.numOutputs < 1) throw HostError(options.plugin + " has no outputs to measure");

    Channels in(record.numInputs, kPoints);
    Channels out(record.numOutputs, kPoints);
    Plot plot;
    for (int k = 0; k < kPoints; ++k) {
        const float level = static_cast<float>(-1.0 + 2.0 * k / (kPoints - 1));
        plot.x.push_back(level);
        for (auto& channel : in.samples) channel[k] = level;
    }
    running.effect().processReplacing(in.pointers.data(), out.pointers.data(), kPoints);

    // Outputs that respond alike share one curve.
    std::vector<std::vector<float>> distinct;
    std::vector<std::string> numbers;
    for (int o = 0; o < record.numOutputs; ++o) {
        const std::string number = std::to_string(o + 1);
        const auto same = std::find(distinct.begin(), distinct.end(), out.samples[o]);
        if (same != distinct.end()) {
            numbers[same - distinct.begin()] += ", " + number;
            continue;
        }
        distinct.push_back(out.samples[o]);
        numbers.push_back(number);
    }
    for (std::size_t c = 0; c < distinct.size(); ++c) {
        plot.curves.emplace_back(distinct[c].begin(), distinct[c].end());
        const bool several = numbers[c].find(',') != std::string::npos;
        plot.curveNames.push_back((several ? "outputs " : "output ") + numbers[c]);
    }
    std::string name = running.effect().text(effGetEffectName);
    if (name.empty()) name = std::filesystem::path(options.plugin).filename().string();
    plot.title = "Transfer curve of " + name;
    plot.subtitle = settingsText(running.effect());
    plot.xLabel = "input (every input fed the same level)";
    plot.yLabel = "output";
    return plot;
}
} // namespace

void curve(const CurveOptions& options) {
    const Plot plot = measure(options);
    OutputFile output(options.output);
    {
        std::ofstream file(output.temporaryPath(), std::ios::binary | std::ios::trunc);
        file << svgPlot(plot);
        file.close();
        if (!file) throw HostError("cannot write " + options.output);
    }
    output.commit();
    std::printf("%s: %s, %d input levels from -1 to +1\n", options.output.c_str(),
                plot.title.c_str(), kPoints);
}
