// The clip effect as a host sees it through the loaded library: its record,
// its entries and every text it hands out, byte for byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "hostedeffect.h"
#include "hostrecorder.h"
#include "opcodes.h"

namespace {
class ClipEffectTest : public ::testing::Test {
protected:
    void SetUp() override { HostRecorder::instance().reset(); }
    void TearDown() override { HostRecorder::instance().reset(); }

    // What a text opcode leaves in a buffer of guard bytes.
    std::string written(VstInt32 opcode, VstInt32 index = 0, VstIntPtr* answer = nullptr) {
        std::string buffer(bufferSize, guard);
        const VstIntPtr result = effect.dispatch(opcode, index, 0, buffer.data());
        if (answer) *answer = result;
        return buffer;
    }

    // The buffer after a copy of text with limit n: the text, zeros up to and
    // including index n, and the guard bytes untouched beyond.
    static std::string copied(const std::string& text, std::size_t limit) {
        std::string buffer = text.substr(0, limit);
        buffer.resize(limit + 1, '\0');
        buffer.resize(bufferSize, guard);
        return buffer;
    }
    static std::string untouched() { return std::string(bufferSize, guard); }

    static constexpr std::size_t bufferSize = 80;
    static constexpr char guard = '\x5A';
    PluginLibrary library{CLIPFX_PATH};
    HostedEffect effect{library.entry(), HostRecorder::callback};
};

TEST_F(ClipEffectTest, TheRecordAsTheClipEffectLeavesIt) {
    const AEffect& record = *effect.record();
    EXPECT_EQ(record.numPrograms, 1);
    EXPECT_EQ(record.numParams, 3);
    EXPECT_EQ(record.numInputs, 2);
    EXPECT_EQ(record.numOutputs, 2);
    EXPECT_EQ(record.flags, effFlagsCanReplacing);
    EXPECT_EQ(record.uniqueID, 0x43524150);
    EXPECT_EQ(record.version, 1);
    EXPECT_EQ(record.ioRatio, 1.0f);
    EXPECT_EQ(record.initialDelay, 0);
    EXPECT_EQ(record.realQualities, 0);
    EXPECT_EQ(record.offQualities, 0);
    EXPECT_EQ(record.resvd1, 0);
    EXPECT_EQ(record.resvd2, 0);
    EXPECT_EQ(record.user, nullptr);
}

TEST_F(ClipEffectTest, ParametersThroughTheRecord) {
    for (VstInt32 index = 0; index < 3; ++index) EXPECT_EQ(effect.getParameter(index), 0.1f);
    effect.setParameter(1, 0.25f);
    effect.setParameter(3, 0.5f);
    EXPECT_EQ(effect.getParameter(0), 0.1f);
    EXPECT_EQ(effect.getParameter(1), 0.25f);
    EXPECT_EQ(effect.getParameter(2), 0.1f);
    EXPECT_EQ(effect.getParameter(3), 0.0f);
}

TEST_F(ClipEffectTest, ReplacingEntryGivesTheWorkedExamplesInPlace) {
    const std::uint32_t inputs[] = {0x3DCCCCCD, 0x3F000000, 0xBF000000, 0x3E4CCCCD, 0x3D75C28F};
    const std::uint32_t outputs[] = {0x3BF5C290, 0x3C75C290, 0xBC75C290, 0x3C75C290, 0x3B9374BC};
    float left[5], right[5];
    std::memcpy(left, inputs, sizeof left);
    std::memcpy(right, inputs, sizeof right);
    float* channels[] = {left, right};
    effect.processReplacing(channels, channels, 5);
    EXPECT_EQ(std::memcmp(left, outputs, sizeof left), 0);
    EXPECT_EQ(std::memcmp(right, outputs, sizeof right), 0);
}

TEST_F(ClipEffectTest, AccumulatingEntryLeavesTheOutputsUntouched) {
    std::vector<float> inL(8, 0.5f), inR(8, -0.5f), outL(8, 3.0f), outR(8, -3.0f);
    float* inputs[] = {inL.data(), inR.data()};
    float* outputs[] = {outL.data(), outR.data()};
    effect.process(inputs, outputs, 8);
    EXPECT_EQ(outL, std::vector<float>(8, 3.0f));
    EXPECT_EQ(outR, std::vector<float>(8, -3.0f));
}

TEST_F(ClipEffectTest, FixedTextsByteForByte) {
    const struct Case {
        VstInt32 opcode;
        VstInt32 index;
        std::string expected;
        VstIntPtr answer;
    } cases[] = {
        {effGetProgramName, 0, copied("Vellumdrak", 24), 0},
        {effGetParamName, 0, copied("Pre Clip Gain", 8), 0},
        {effGetParamName, 1, copied("Clip Value", 8), 0},
        {effGetParamName, 2, copied("Post Clip Gain", 8), 0},
        {effGetParamName, 3, untouched(), 0},
        {effGetParamName, -1, untouched(), 0},
        {effGetParamLabel, 0, copied("some value", 8), 0},
        {effGetParamLabel, 7, copied("some value", 8), 0},
        {effGetParamDisplay, 3, untouched(), 0},
        {effGetEffectName, 0, copied("Effect Name goes here", 32), 1},
        {effGetVendorString, 0, copied("Halvardine", 64), 1},
        {effGetProductString, 0, copied("test product string", 64), 1},
    };
    for (const Case& c : cases) {
        VstIntPtr answer = -1;
        EXPECT_EQ(written(c.opcode, c.index, &answer), c.expected)
            << "opcode " << c.opcode << ", index " << c.index;
        EXPECT_EQ(answer, c.answer) << "opcode " << c.opcode << ", index " << c.index;
    }
    EXPECT_EQ(effect.dispatch(effGetVendorVersion), 1000);
}

TEST_F(ClipEffectTest, ProgramNameKeepsAtMostTwentyFourCharacters) {
    const struct Case {
        std::string name;
        std::string expected;
    } cases[] = {
        {"abcdefghijklmnopqrstuvwxyz0123", copied("abcdefghijklmnopqrstuvwx", 24)},
        {"", copied("", 24)},
        {"Short", copied("Short", 24)},
    };
    for (const Case& c : cases) {
        std::string name = c.name;
        effect.dispatch(effSetProgramName, 0, 0, name.data());
        EXPECT_EQ(written(effGetProgramName), c.expected) << '"' << c.name << '"';
    }
}

TEST_F(ClipEffectTest, ProgramNameIsNotOfferedByIndex) {
    VstIntPtr answer = -1;
    written(effGetProgramNameIndexed, 0, &answer);
    EXPECT_EQ(answer, 0);
}

// The numbers come from the decibel and float display helpers.
TEST_F(ClipEffectTest, ParameterDisplaysInDecibels) {
    const struct Case {
        VstInt32 index;
        float value;
        std::string text;
    } cases[] = {
        {0, 0.1f, "-oo"},       {1, 0.1f, "-oo"},       {2, 0.1f, "-oo"},       {0, 0.0f, "-oo"},
        {1, 20.0f, "20.00000"}, {2, 20.0f, "20.00000"}, {0, -0.5f, "13.97940"},
    };
    for (const Case& c : cases) {
        effect.setParameter(c.index, c.value);
        EXPECT_EQ(written(effGetParamDisplay, c.index), copied(c.text, 8))
            << "parameter " << c.index << " at " << c.value;
    }
}
} // namespace
