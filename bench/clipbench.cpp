// The clip effect's processing against its baselines, in one run: the
// literal per-sample path, a float-only kernel for the same instruction set,
// and memcpy of the same bytes; also one dispatcher round trip and the life of
// one instance. Blocks are stereo, processed in place, and stay in cache.
// Prints frames per second, then the ratios between median CPU times (between
// single runs without --benchmark_repetitions): CPU time, as the machine may be
// shared with other work.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "clipkernel.h"
#include "floatclip.h"
#include "hostedeffect.h"
#include "literalclip.h"
#include "opcodes.h"

namespace {
constexpr int blockSizes[] = {64, 1024, 16384};
constexpr int ratioBlockSize = 1024;
// Gains of about one and a clip level at half the signal's peak: repeated
// passes over one buffer leave the signal as it is, never drifting into
// subnormals.
constexpr float preClipGain = 0.2f;
constexpr float clipValue = 0.5f;
constexpr float postClipGain = 2.0f / 3.0f;

VstIntPtr VSTCALLBACK host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

// Two channels of a sine wave in cache-line aligned storage.
class StereoBlock {
public:
    explicit StereoBlock(int frames)
        : storage(static_cast<float*>(std::aligned_alloc(64, 2 * sizeof(float) * frames)),
                  std::free) {
        channels[0] = storage.get();
        channels[1] = storage.get() + frames;
        for (int k = 0; k < frames; ++k) {
            channels[0][k] = static_cast<float>(std::sin(k * 0.05));
            channels[1][k] = static_cast<float>(std::cos(k * 0.05));
        }
    }
    float* channels[2];

private:
    std::unique_ptr<float, decltype(&std::free)> storage;
};

void countFrames(benchmark::State& state, int frames) {
    state.SetItemsProcessed(state.iterations() * frames);
}

void effectThroughRecord(benchmark::State& state, int frames) {
    PluginLibrary library(CLIPFX_PATH);
    HostedEffect effect(library.entry(), host);
    AEffect* record = effect.record();
    record->setParameter(record, 0, preClipGain);
    record->setParameter(record, 1, clipValue);
    record->setParameter(record, 2, postClipGain);
    StereoBlock block(frames);
    for (auto _ : state) {
        record->processReplacing(record, block.channels, block.channels, frames);
        benchmark::ClobberMemory();
    }
    countFrames(state, frames);
}

void literalPath(benchmark::State& state, int frames) {
    ClipParameters parameters;
    parameters.preClipGain = preClipGain;
    parameters.clipValue = clipValue;
    parameters.postClipGain = postClipGain;
    StereoBlock block(frames);
    for (auto _ : state) {
        literalProcessReplacing(parameters, block.channels, block.channels, frames);
        benchmark::ClobberMemory();
    }
    countFrames(state, frames);
}

void kernel(benchmark::State& state, ClipKernel run, int frames) {
    const ClipGains gains = clipGains(preClipGain, clipValue, postClipGain);
    StereoBlock block(frames);
    for (auto _ : state) {
        run(block.channels[0], block.channels[0], frames, gains);
        run(block.channels[1], block.channels[1], frames, gains);
        benchmark::ClobberMemory();
    }
    countFrames(state, frames);
}

void copy(benchmark::State& state, int frames) {
    StereoBlock from(frames), to(frames);
    const std::size_t bytes = sizeof(float) * frames;
    for (auto _ : state) {
        std::memcpy(to.channels[0], from.channels[0], bytes);
        std::memcpy(to.channels[1], from.channels[1], bytes);
        benchmark::ClobberMemory();
    }
    countFrames(state, frames);
}

void dispatcherRoundTrip(benchmark::State& state) {
    PluginLibrary library(CLIPFX_PATH);
    HostedEffect effect(library.entry(), host);
    AEffect* record = effect.record();
    for (auto _ : state) {
        benchmark::DoNotOptimize(record->dispatcher(record, effGetVendorVersion, 0, 0, nullptr, 0));
    }
}

void instanceLife(benchmark::State& state) {
    PluginLibrary library(CLIPFX_PATH);
    const PluginEntry entry = library.entry();
    for (auto _ : state) {
        AEffect* record = entry(host);
        benchmark::DoNotOptimize(record);
        record->dispatcher(record, effClose, 0, 0, nullptr, 0);
    }
}

std::string blockName(const std::string& what, int frames) {
    return what + "/" + std::to_string(frames);
}

void registerAll() {
    const char* best = bestClipKernel().name;
    for (int frames : blockSizes) {
        benchmark::RegisterBenchmark(blockName("effect", frames).c_str(), effectThroughRecord,
                                     frames);
        benchmark::RegisterBenchmark(blockName("literal", frames).c_str(), literalPath, frames);
        for (std::size_t v = 0; v < clipKernelVariantCount; ++v) {
            const ClipKernelVariant& variant = clipKernelVariants[v];
            if (!variant.supported()) continue;
            const std::string name = variant.name;
            benchmark::RegisterBenchmark(blockName("kernel/" + name, frames).c_str(), kernel,
                                         variant.run, frames);
            benchmark::RegisterBenchmark(blockName("float/" + name, frames).c_str(), kernel,
                                         floatClipKernel(variant.name), frames);
        }
        benchmark::RegisterBenchmark(blockName("memcpy", frames).c_str(), copy, frames);
    }
    benchmark::RegisterBenchmark("dispatcher/effGetVendorVersion", dispatcherRoundTrip);
    benchmark::RegisterBenchmark("instance/entry-to-effClose", instanceLife);
    std::printf("clip kernel chosen for this processor: %s\n", best);
}

// The console output, plus the ratios between the benchmarks once all ran.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (median || single) nanoseconds[run.run_name.str()] = run.GetAdjustedCPUTime();
        }
    }

    void printRatios() const {
        const std::string best = bestClipKernel().name;
        std::printf("\nper block of stereo frames, in place (CPU ns; frames per second)\n");
        std::printf("%7s %22s %22s %22s %22s\n", "frames", "effect", "literal",
                    ("float-only " + best).c_str(), "memcpy");
        for (int frames : blockSizes) {
            std::printf("%7d", frames);
            for (const char* what : {"effect", "literal", "float", "memcpy"}) {
                const std::string key = std::string(what) == "float" ? "float/" + best : what;
                const double ns = time(blockName(key, frames));
                std::printf(" %10.1f %9.3gG/s", ns, frames / ns);
            }
            std::printf("\n");
        }
        std::printf("\nratios%23s %12s %12s %12s\n", "literal/effect", "effect/float",
                    "effect/memcpy", "effect/kernel");
        for (int frames : blockSizes) {
            const double effect = time(blockName("effect", frames));
            std::printf("%7d %22.2f %12.2f %12.2f %12.2f\n", frames,
                        time(blockName("literal", frames)) / effect,
                        effect / time(blockName("float/" + best, frames)),
                        effect / time(blockName("memcpy", frames)),
                        effect / time(blockName("kernel/" + best, frames)));
        }
        std::printf("targets at %d frames: literal/effect >= 4, effect/float <= 3\n",
                    ratioBlockSize);
        std::printf("\nexact kernel / float-only kernel, per instruction set\n");
        for (std::size_t v = 0; v < clipKernelVariantCount; ++v) {
            if (!clipKernelVariants[v].supported()) continue;
            const std::string name = clipKernelVariants[v].name;
            std::printf("%8s", name.c_str());
            for (int frames : blockSizes) {
                std::printf("  %d: %.2f", frames,
                            time(blockName("kernel/" + name, frames)) /
                                time(blockName("float/" + name, frames)));
            }
            std::printf("\n");
        }
        std::printf("\ndispatcher round trip (effGetVendorVersion): %.1f ns\n",
                    time("dispatcher/effGetVendorVersion"));
        std::printf("instance life (entry to effClose): %.1f ns\n",
                    time("instance/entry-to-effClose"));
    }

private:
    double time(const std::string& name) const {
        const auto found = nanoseconds.find(name);
        return found == nanoseconds.end() ? NAN : found->second;
    }

    std::map<std::string, double> nanoseconds;
};
} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    registerAll();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
