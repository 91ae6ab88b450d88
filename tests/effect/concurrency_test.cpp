// Parameters changed on one thread while another processes: every block is
// processed with one setting throughout, and nothing races.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <thread>
#include <vector>

#include "literalclip.h"
#include "test.h"

namespace {
constexpr VstInt32 frames = 256;
// Two values for each parameter; a block may see any of the eight
// combinations, but only one of them for all its frames and both channels.
constexpr float values[3][2] = {{0.1f, 0.7f}, {0.1f, 0.05f}, {0.1f, 2.0f}};

std::vector<float> ramp() {
    std::vector<float> samples(frames);
    for (VstInt32 k = 0; k < frames; ++k) samples[k] = -1.0f + 2.0f * k / (frames - 1);
    return samples;
}

// The block each combination gives, from the literal path.
std::array<std::vector<float>, 8> expectedBlocks(std::vector<float> input) {
    std::array<std::vector<float>, 8> blocks;
    for (int combination = 0; combination < 8; ++combination) {
        ClipParameters parameters;
        parameters.preClipGain = values[0][combination & 1];
        parameters.clipValue = values[1][(combination >> 1) & 1];
        parameters.postClipGain = values[2][(combination >> 2) & 1];
        std::vector<float> right(frames);
        blocks[combination].resize(frames);
        float* inputs[] = {input.data(), input.data()};
        float* outputs[] = {blocks[combination].data(), right.data()};
        literalProcessReplacing(parameters, inputs, outputs, frames);
    }
    return blocks;
}

TEST(ClipConcurrencyTest, EveryBlockSeesOneSettingWhileAnotherThreadWrites) {
    ::Test effect(nullptr);
    std::vector<float> inL = ramp(), inR = ramp();
    const auto expected = expectedBlocks(inL);
    std::atomic<bool> done{false};

    std::thread writer([&] {
        for (unsigned n = 0; !done.load(std::memory_order_relaxed); ++n) {
            effect.setParameter(static_cast<VstInt32>(n % 3), values[n % 3][(n / 3) % 2]);
            effect.getParameter(static_cast<VstInt32>((n + 1) % 3));
        }
    });

    std::vector<float> outL(frames), outR(frames);
    float* inputs[] = {inL.data(), inR.data()};
    float* outputs[] = {outL.data(), outR.data()};
    int inconsistent = 0;
    for (int block = 0; block < 4000; ++block) {
        effect.processReplacing(inputs, outputs, frames);
        bool matched = outL == outR;
        if (matched) {
            matched = false;
            for (const std::vector<float>& candidate : expected) matched |= outL == candidate;
        }
        inconsistent += !matched;
    }
    done = true;
    writer.join();
    EXPECT_EQ(inconsistent, 0);
}
} // namespace
