#include "render.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "audiosource.h"
#include "channels.h"
#include "hosterror.h"
#include "outputfile.h"
#include "progress.h"
#include "runningeffect.h"
#include "soundfile.h"

namespace {
// Files longer than this many seconds show their progress.
constexpr long long kLongSeconds = 10;

std::unique_ptr<AudioSource> openSource(const RenderOptions& options) {
    if (options.input.empty()) return demoSignal(options.sampleRate.value_or(kDemoSampleRate));
    auto source = openAudioFile(options.input);
    if (options.sampleRate && *options.sampleRate != source->sampleRate()) {
        throw HostError("--sample-rate applies to the demo signal; " + options.input +
                        " plays at its own rate of " + std::to_string(source->sampleRate()) +
                        " Hz");
    }
    return source;
}

float peakOf(const float* samples, long long count, float peak) {
    for (long long k = 0; k < count; ++k) {
        if (std::isfinite(samples[k])) peak = std::max(peak, std::fabs(samples[k]));
    }
    return peak;
}

struct Totals {
    long long frames = 0;
    float peakIn = 0.0f;
    float peakOut = 0.0f;
};

// Runs the whole source through the effect block by block into writer. A
// mono source feeds every input; input i otherwise takes channel i, and
// inputs beyond the source's channels take silence.
Totals runBlocks(AudioSource& source, const RunningEffect& running, SNDFILE* writer, int block,
                 const std::string& outputName) {
    const int fileChannels = source.channels();
    const int inputs = running.record()->numInputs;
    const int outputs = running.record()->numOutputs;
    std::vector<float> interleavedIn(static_cast<std::size_t>(block) * fileChannels);
    std::vector<float> interleavedOut(static_cast<std::size_t>(block) * outputs);
    Channels in(inputs, block);
    Channels out(outputs, block);
    Totals totals;
    Progress progress(source.frames(), source.frames() >= kLongSeconds * source.sampleRate());
    while (const long long n = source.read(interleavedIn.data(), block)) {
        totals.peakIn = peakOf(interleavedIn.data(), n * fileChannels, totals.peakIn);
        for (int i = 0; i < inputs; ++i) {
            const int from = fileChannels == 1 ? 0 : i;
            for (long long k = 0; k < n; ++k) {
                in.samples[i][k] =
                    from < fileChannels ? interleavedIn[k * fileChannels + from] : 0.0f;
            }
        }
        running.effect().processReplacing(in.pointers.data(), out.pointers.data(),
                                          static_cast<VstInt32>(n));
        for (int o = 0; o < outputs; ++o) {
            for (long long k = 0; k < n; ++k) interleavedOut[k * outputs + o] = out.samples[o][k];
        }
        totals.peakOut = peakOf(interleavedOut.data(), n * outputs, totals.peakOut);
        if (sf_writef_float(writer, interleavedOut.data(), n) != n) {
            throw HostError("cannot write " + outputName + ": " + sf_strerror(writer));
        }
        totals.frames += n;
        progress.advance(totals.frames);
    }
    return totals;
}

std::string level(float peak) {
    char text[48];
    std::snprintf(text, sizeof text, "%.4f (%.1f dBFS)", peak, 20.0 * std::log10(peak));
    return text;
}
} // namespace

void render(const RenderOptions& options) {
    const PluginLibrary library(options.plugin);
    const auto source = openSource(options);
    const int rate = source->sampleRate();
    const RunningEffect running(library, static_cast<float>(rate), options.blockSize,
                                options.settings);
    const int inputs = running.record()->numInputs;
    const int outputs = running.record()->numOutputs;
    if (outputs < 1) throw HostError(options.plugin + " has no outputs to render");
    if (source->channels() > 1 && source->channels() > inputs) {
        throw HostError(source->name() + " has " + std::to_string(source->channels()) +
                        " channels but the plug-in takes " + std::to_string(inputs) + " inputs");
    }

    OutputFile output(options.output);
    SF_INFO format{};
    format.samplerate = rate;
    format.channels = outputs;
    format.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SoundFile writer(sf_open(output.temporaryPath().c_str(), SFM_WRITE, &format));
    if (!writer) {
        throw HostError("cannot write " + options.output + ": " + sf_strerror(nullptr));
    }
    const auto start = std::chrono::steady_clock::now();
    const Totals totals =
        runBlocks(*source, running, writer.get(), options.blockSize, options.output);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (sf_close(writer.release()) != 0) {
        throw HostError("cannot write " + options.output);
    }
    output.commit();

    const double audioSeconds = static_cast<double>(totals.frames) / rate;
    std::printf("%s: %lld frames, %d channels at %d Hz from %s; peak in %s, peak out %s; "
                "%.2f s of audio in %.3f s (%.0fx realtime)\n",
                options.output.c_str(), totals.frames, outputs, rate, source->name().c_str(),
                level(totals.peakIn).c_str(), level(totals.peakOut).c_str(), audioSeconds, seconds,
                audioSeconds / std::max(seconds, 1e-9));
}
