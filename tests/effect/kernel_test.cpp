// Every instruction-set variant of the clip kernel against the literal
// per-sample path, bit for bit, over random samples and settings, at every
// block length and start alignment that reaches the tail paths.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <vector>

#include "clipkernel.h"
#include "floatbits.h"
#include "literalclip.h"

namespace {
constexpr float infinity = std::numeric_limits<float>::infinity();

// Samples and settings worth drawing: any bit pattern at all (NaNs with
// payloads, infinities, subnormals included), ordinary audio values, and a
// few exact specials.
class Draw {
public:
    explicit Draw(unsigned seed) : engine(seed) {}

    float anyBits() { return floatOf(static_cast<std::uint32_t>(engine())); }
    float audio() { return std::uniform_real_distribution<float>(-2.0f, 2.0f)(engine); }
    float special() {
        static const float specials[] = {0.0f,
                                         -0.0f,
                                         0.1f,
                                         -0.1f,
                                         1.0f,
                                         infinity,
                                         -infinity,
                                         1e38f,
                                         1e-45f,
                                         std::numeric_limits<float>::quiet_NaN(),
                                         floatOf(0x7F800001)}; // signalling NaN
        return specials[engine() % (sizeof specials / sizeof *specials)];
    }
    float any() {
        switch (engine() % 4) {
        case 0: return anyBits();
        case 1: return special();
        default: return audio();
        }
    }
    // A sample whose pre-gain result lands on or next to the clip level,
    // where the strict tests decide.
    float nearClip(const ClipGains& gains) {
        const float level = (engine() % 2) ? gains.clip : gains.negClip;
        float sample = static_cast<float>(level / gains.pre);
        for (int steps = static_cast<int>(engine() % 5) - 2; steps != 0;
             steps += steps < 0 ? 1 : -1) {
            sample = std::nextafter(sample, steps < 0 ? -infinity : infinity);
        }
        return sample;
    }
    std::uint32_t below(std::uint32_t bound) { return engine() % bound; }

private:
    std::mt19937 engine;
};

// Bit for bit; but when a parameter is a NaN, x86 gives either NaN operand of
// a product depending on the operand order the compiler picked, so then any
// NaN matches any NaN.
::testing::AssertionResult sameResult(float expected, float actual, bool nanParameter) {
    if (bitsOf(expected) == bitsOf(actual)) return ::testing::AssertionSuccess();
    if (nanParameter && std::isnan(expected) && std::isnan(actual)) {
        return ::testing::AssertionSuccess();
    }
    char message[48];
    std::snprintf(message, sizeof message, "expected 0x%08X, got 0x%08X",
                  static_cast<unsigned>(bitsOf(expected)), static_cast<unsigned>(bitsOf(actual)));
    return ::testing::AssertionFailure() << message;
}

TEST(ClipKernelTest, EveryVariantMatchesTheLiteralPathBitForBit) {
    constexpr std::size_t maxLength = 70;
    constexpr std::size_t maxOffset = 16;
    Draw draw(20240611);
    int variantsRun = 0;
    for (std::size_t v = 0; v < clipKernelVariantCount; ++v) {
        const ClipKernelVariant& variant = clipKernelVariants[v];
        if (!variant.supported()) continue;
        ++variantsRun;
        SCOPED_TRACE(variant.name);
        for (int trial = 0; trial < 400; ++trial) {
            ClipParameters parameters;
            const bool ordinary = trial % 2 == 0;
            parameters.preClipGain = ordinary ? draw.audio() : draw.any();
            parameters.clipValue = ordinary ? draw.audio() : draw.any();
            parameters.postClipGain = ordinary ? draw.audio() : draw.any();
            const ClipGains gains =
                clipGains(parameters.preClipGain, parameters.clipValue, parameters.postClipGain);
            const bool nanParameter = std::isnan(parameters.preClipGain.load()) ||
                                      std::isnan(parameters.clipValue.load()) ||
                                      std::isnan(parameters.postClipGain.load());

            // Now and then a block long enough to span several of the
            // kernels' internal chunks.
            const std::size_t length =
                trial % 8 == 7 ? 1000 + draw.below(2200) : 1 + draw.below(maxLength);
            const std::size_t offset = draw.below(maxOffset);
            std::vector<float> left(offset + length), right(offset + length);
            for (std::size_t k = offset; k < offset + length; ++k) {
                left[k] = draw.below(4) == 0 ? draw.nearClip(gains) : draw.any();
                right[k] = draw.below(4) == 0 ? draw.nearClip(gains) : draw.any();
            }

            std::vector<float> expectedL(length), expectedR(length);
            float* inputs[] = {left.data() + offset, right.data() + offset};
            float* expected[] = {expectedL.data(), expectedR.data()};
            literalProcessReplacing(parameters, inputs, expected, static_cast<VstInt32>(length));

            // Separate output buffers for the left channel, in place for the right.
            std::vector<float> outL(offset + length, 42.0f);
            variant.run(inputs[0], outL.data() + offset, length, gains);
            variant.run(inputs[1], inputs[1], length, gains);
            for (std::size_t k = 0; k < length; ++k) {
                ASSERT_TRUE(sameResult(expectedL[k], outL[offset + k], nanParameter))
                    << "left, trial " << trial << ", frame " << k << " of " << length;
                ASSERT_TRUE(sameResult(expectedR[k], inputs[1][k], nanParameter))
                    << "right in place, trial " << trial << ", frame " << k << " of " << length;
            }
            for (std::size_t k = 0; k < offset; ++k) ASSERT_EQ(outL[k], 42.0f);
        }
    }
    EXPECT_GE(variantsRun, 1);
}

TEST(ClipKernelTest, TheChosenVariantIsTheFastestTheProcessorRuns) {
    const ClipKernelVariant& best = bestClipKernel();
    EXPECT_TRUE(best.supported());
    for (std::size_t v = 0; &clipKernelVariants[v] != &best; ++v) {
        EXPECT_FALSE(clipKernelVariants[v].supported()) << clipKernelVariants[v].name;
    }
    EXPECT_TRUE(clipKernelVariants[clipKernelVariantCount - 1].supported());
}
} // namespace
