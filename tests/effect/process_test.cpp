// The clip effect's replacing path and parameters, on the effect object.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "floatbits.h"
#include "test.h"

namespace {
constexpr float nan = std::numeric_limits<float>::quiet_NaN();

// Two channels of samples and the channel arrays a host passes.
struct Stereo {
    Stereo(std::vector<float> leftSamples, std::vector<float> rightSamples)
        : left(std::move(leftSamples)), right(std::move(rightSamples)) {}
    static Stereo filled(std::size_t frames, float fill) {
        return {std::vector<float>(frames, fill), std::vector<float>(frames, fill)};
    }

    float** channels() {
        pointers[0] = left.data();
        pointers[1] = right.data();
        return pointers;
    }

    std::vector<float> left, right;
    float* pointers[2];
};

std::vector<std::uint32_t> bitsOf(const std::vector<float>& samples) {
    std::vector<std::uint32_t> bits;
    for (float sample : samples) bits.push_back(::bitsOf(sample));
    return bits;
}

std::vector<float> floatsOf(const std::vector<std::uint32_t>& bits) {
    std::vector<float> samples;
    for (std::uint32_t pattern : bits) samples.push_back(floatOf(pattern));
    return samples;
}

// The worked examples at the initial settings: input and output bit patterns.
const std::vector<std::uint32_t> exampleInputs = {0x3DCCCCCD, 0x3F000000, 0xBF000000, 0x3E4CCCCD,
                                                  0x3D75C28F};
const std::vector<std::uint32_t> exampleOutputs = {0x3BF5C290, 0x3C75C290, 0xBC75C290, 0x3C75C290,
                                                   0x3B9374BC};

std::vector<std::uint32_t> reversed(std::vector<std::uint32_t> bits) {
    return {bits.rbegin(), bits.rend()};
}

TEST(ClipProcessTest, WorkedExamplesBitForBitInSeparateBuffers) {
    ::Test effect(nullptr);
    Stereo in(floatsOf(exampleInputs), floatsOf(reversed(exampleInputs)));
    Stereo out = Stereo::filled(exampleInputs.size(), 9.0f);
    effect.processReplacing(in.channels(), out.channels(), 5);
    EXPECT_EQ(bitsOf(out.left), exampleOutputs);
    EXPECT_EQ(bitsOf(out.right), reversed(exampleOutputs));
    EXPECT_EQ(bitsOf(in.left), exampleInputs);
}

TEST(ClipProcessTest, WorkedExamplesBitForBitInPlace) {
    ::Test effect(nullptr);
    Stereo buffers(floatsOf(exampleInputs), floatsOf(reversed(exampleInputs)));
    effect.processReplacing(buffers.channels(), buffers.channels(), 5);
    EXPECT_EQ(bitsOf(buffers.left), exampleOutputs);
    EXPECT_EQ(bitsOf(buffers.right), reversed(exampleOutputs));
}

TEST(ClipProcessTest, NoFramesLeaveEveryOutputUntouched) {
    for (VstInt32 frames : {0, -1, std::numeric_limits<VstInt32>::min()}) {
        ::Test effect(nullptr);
        Stereo in = Stereo::filled(4, 0.5f);
        Stereo out = Stereo::filled(4, 9.0f);
        effect.processReplacing(in.channels(), out.channels(), frames);
        EXPECT_EQ(out.left, std::vector<float>(4, 9.0f)) << frames << " frames";
        EXPECT_EQ(out.right, std::vector<float>(4, 9.0f)) << frames << " frames";
    }
}

TEST(ClipProcessTest, SpecialValuesAndSettings) {
    const struct Case {
        const char* what;
        float pre, clip, post;
        float input;
        std::uint32_t output;
    } cases[] = {
        {"-0.0 keeps its sign", 0.1f, 0.1f, 0.1f, -0.0f, 0x80000000},
        {"+0.0 keeps its sign", 0.1f, 0.1f, 0.1f, 0.0f, 0x00000000},
        {"overflow to +infinity, then clipped", 1.0f, 0.1f, 0.1f, 1e38f, 0x3C75C290},
        {"overflow to -infinity, then clipped", 1.0f, 0.1f, 0.1f, -1e38f, 0xBC75C290},
        {"clip 0: positive becomes +0.0", 0.1f, 0.0f, 0.1f, 0.5f, 0x00000000},
        {"clip 0: negative becomes -0.0", 0.1f, 0.0f, 0.1f, -0.5f, 0x80000000},
        {"negative clip: above it becomes it", 0.1f, -0.1f, 0.1f, 0.5f, 0xBC75C290},
        {"negative clip: zero is above it", 0.1f, -0.1f, 0.1f, 0.0f, 0xBC75C290},
        {"negative clip: below it becomes its negation", 0.1f, -0.1f, 0.1f, -0.5f, 0x3C75C290},
        {"pre-gain 2.0 multiplies by 10", 2.0f, 0.1f, 0.1f, 0.0078125f, 0x3C400000},
    };
    for (const Case& c : cases) {
        ::Test effect(nullptr);
        effect.setParameter(0, c.pre);
        effect.setParameter(1, c.clip);
        effect.setParameter(2, c.post);
        Stereo in({c.input}, {c.input});
        Stereo out = Stereo::filled(1, 9.0f);
        effect.processReplacing(in.channels(), out.channels(), 1);
        EXPECT_EQ(::bitsOf(out.left[0]), c.output) << c.what;
        EXPECT_EQ(::bitsOf(out.right[0]), c.output) << c.what;
    }
}

TEST(ClipProcessTest, NanPassesThroughEverySetting) {
    for (float clip : {0.1f, 0.0f, -0.1f}) {
        ::Test effect(nullptr);
        effect.setParameter(1, clip);
        Stereo buffers({nan}, {-nan});
        effect.processReplacing(buffers.channels(), buffers.channels(), 1);
        EXPECT_TRUE(std::isnan(buffers.left[0])) << "clip " << clip;
        EXPECT_TRUE(std::isnan(buffers.right[0])) << "clip " << clip;
    }
}

TEST(ClipParameterTest, EachIndexStoresExactlyWhatItIsGiven) {
    const float values[] = {2.0f,
                            -0.5f,
                            0.0f,
                            -0.0f,
                            1e30f,
                            std::numeric_limits<float>::infinity(),
                            floatOf(0x7FC01234),
                            floatOf(0x00000001)};
    for (VstInt32 index = 0; index < 3; ++index) {
        for (float value : values) {
            ::Test effect(nullptr);
            effect.setParameter(index, value);
            for (VstInt32 other = 0; other < 3; ++other) {
                const std::uint32_t expected = other == index ? ::bitsOf(value) : 0x3DCCCCCD;
                EXPECT_EQ(::bitsOf(effect.getParameter(other)), expected)
                    << "set " << index << ", read " << other;
            }
        }
    }
}

TEST(ClipParameterTest, IndicesOutsideTheThreeAreIgnoredAndReadAsZero) {
    ::Test effect(nullptr);
    for (VstInt32 index : {3, -1, 1000, std::numeric_limits<VstInt32>::min(),
                           std::numeric_limits<VstInt32>::max()}) {
        effect.setParameter(index, 0.75f);
        EXPECT_EQ(::bitsOf(effect.getParameter(index)), 0u) << index;
    }
    for (VstInt32 index = 0; index < 3; ++index) {
        EXPECT_EQ(::bitsOf(effect.getParameter(index)), 0x3DCCCCCDu) << index;
    }
}
} // namespace
