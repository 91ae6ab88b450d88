// fxhost render through the clip effect: every output sample against the
// effect's arithmetic, mono and demo input, and the errors that write nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>
#include <sndfile.h>

#include "fxhostrun.h"
#include "wavfiles.h"

namespace {
// The clip effect on one sample: gain, clip and gain, each product worked in
// double and rounded once to float.
float clipped(float in, float pre, float clip, float post) {
    float v = static_cast<float>(static_cast<double>(in) * static_cast<double>(pre) * 5.0);
    v = v > clip ? clip : (v < -clip ? -clip : v);
    return static_cast<float>(static_cast<double>(post) * 1.5 * static_cast<double>(v));
}

std::uint32_t bits(float value) {
    std::uint32_t result;
    std::memcpy(&result, &value, sizeof result);
    return result;
}

float fromBits(std::uint32_t pattern) {
    float value;
    std::memcpy(&value, &pattern, sizeof value);
    return value;
}

// Equal bit for bit, or both NaN.
::testing::AssertionResult sameSample(float actual, float expected) {
    if (bits(actual) == bits(expected) || (std::isnan(actual) && std::isnan(expected))) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << std::hexfloat << actual << " instead of " << expected;
}

// A stereo float file: the worked values of the clip stage on the left and
// their negatives on the right, special values, then noise beyond full scale.
Audio stereoInput() {
    const float firsts[] = {0.1f,
                            0.5f,
                            -0.5f,
                            0.2f,
                            0.06f,
                            0.0f,
                            -0.0f,
                            1.0f,
                            -1.0f,
                            1e-30f,
                            std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity()};
    Audio audio{2, 48000, SF_FORMAT_WAV | SF_FORMAT_FLOAT, {}};
    for (float value : firsts) audio.samples.insert(audio.samples.end(), {value, -value});
    std::mt19937 random(7);
    std::uniform_real_distribution<float> noise(-2.0f, 2.0f);
    while (audio.samples.size() < 2 * 3001) audio.samples.push_back(noise(random));
    return audio;
}

struct RenderCase {
    std::vector<std::string> options;
    float pre, clip, post;
};

class RenderTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    const std::string in = folder.file("in.wav");
    const std::string out = folder.file("out.wav");
};

TEST_F(RenderTest, EveryOutputSampleIsTheEffectsArithmetic) {
    const Audio input = stereoInput();
    writeAudio(in, input);
    const RenderCase cases[] = {
        {{}, 0.1f, 0.1f, 0.1f},
        {{"--param", "0=1", "--param", "1=0.5", "--param", "2=0.75", "--block", "7"},
         1.0f,
         0.5f,
         0.75f},
        {{"--param=1=0", "--block", "1"}, 0.1f, 0.0f, 0.1f},
        {{"--param", "0=0.3", "--param", "0=0.9", "--block", "4096"}, 0.9f, 0.1f, 0.1f},
    };
    for (const RenderCase& c : cases) {
        std::vector<std::string> arguments{"render", CLIPFX_PATH, in, out};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const FxhostRun run = runFxhost(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        const Audio output = readAudio(out);
        EXPECT_EQ(output.format, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
        EXPECT_EQ(output.sampleRate, input.sampleRate);
        ASSERT_EQ(output.channels, 2);
        ASSERT_EQ(output.frames(), input.frames());
        for (long long k = 0; k < input.frames(); ++k) {
            for (int channel = 0; channel < 2; ++channel) {
                ASSERT_TRUE(sameSample(output.at(k, channel),
                                       clipped(input.at(k, channel), c.pre, c.clip, c.post)))
                    << "frame " << k << ", channel " << channel << ", options "
                    << ::testing::PrintToString(c.options);
            }
        }
    }
}

TEST_F(RenderTest, InitialParametersGiveTheWorkedOutputs) {
    writeAudio(in, stereoInput());
    ASSERT_EQ(runFxhost({"render", CLIPFX_PATH, in, out}).status, 0);
    const Audio output = readAudio(out);
    const std::uint32_t expected[] = {0x3BF5C290, 0x3C75C290, 0xBC75C290, 0x3C75C290, 0x3B9374BC};
    for (long long k = 0; k < 5; ++k) {
        EXPECT_EQ(bits(output.at(k, 0)), expected[k]) << "frame " << k;
        EXPECT_EQ(bits(output.at(k, 1)), bits(-fromBits(expected[k]))) << "frame " << k;
    }
}

TEST_F(RenderTest, AMonoFileFeedsBothInputs) {
    Audio input{1, 22050, SF_FORMAT_WAV | SF_FORMAT_PCM_16, {}};
    std::mt19937 random(3);
    std::uniform_int_distribution<int> pcm(-32768, 32767);
    for (int k = 0; k < 1000; ++k)
        input.samples.push_back(static_cast<float>(pcm(random)) / 32768.0f);
    writeAudio(in, input);
    const FxhostRun run = runFxhost({"render", CLIPFX_PATH, in, out, "--param", "0=0.5"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Audio output = readAudio(out);
    EXPECT_EQ(output.sampleRate, 22050);
    ASSERT_EQ(output.channels, 2);
    ASSERT_EQ(output.frames(), 1000);
    for (long long k = 0; k < output.frames(); ++k) {
        const float expected = clipped(input.at(k, 0), 0.5f, 0.1f, 0.1f);
        ASSERT_TRUE(sameSample(output.at(k, 0), expected)) << "frame " << k;
        ASSERT_TRUE(sameSample(output.at(k, 1), expected)) << "frame " << k;
    }
}

TEST_F(RenderTest, WithoutAnInputTheDemoSignalRisesToTheClipLevel) {
    const FxhostRun run = runFxhost({"render", CLIPFX_PATH, out, "--sample-rate", "8000"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("24000 frames"), std::string::npos) << run.out;
    const Audio output = readAudio(out);
    EXPECT_EQ(output.sampleRate, 8000);
    ASSERT_EQ(output.channels, 2);
    ASSERT_EQ(output.frames(), 24000);
    // Silent at the start; clipped to 0.1 x 0.1 x 1.5 once the sine is loud.
    const float ceiling = clipped(1.0f, 0.1f, 0.1f, 0.1f);
    EXPECT_EQ(output.at(0, 0), 0.0f);
    float peak = 0.0f;
    for (float sample : output.samples) {
        ASSERT_LE(std::fabs(sample), ceiling);
        peak = std::max(peak, sample);
    }
    EXPECT_EQ(peak, ceiling);
}

struct ErrorCase {
    const char* name;
    std::vector<std::string> arguments; // "IN" and "OUT" stand for the scratch files
    const char* message;
};

TEST_F(RenderTest, ErrorsAreClearAndWriteNothing) {
    writeAudio(in, {1, 44100, SF_FORMAT_WAV | SF_FORMAT_FLOAT, std::vector<float>(100, 0.5f)});
    const std::string text = folder.file("text.wav");
    { std::ofstream(text) << "not audio\n"; }
    const std::string surround = folder.file("surround.wav");
    writeAudio(surround, {3, 44100, SF_FORMAT_WAV | SF_FORMAT_FLOAT, std::vector<float>(300)});
    const ErrorCase cases[] = {
        {"unreadable input", {"render", CLIPFX_PATH, text, "OUT"}, "cannot read"},
        {"missing input",
         {"render", CLIPFX_PATH, folder.file("none.wav"), "OUT"},
         "audio file not found"},
        {"three channels", {"render", CLIPFX_PATH, surround, "OUT"}, "has 3 channels"},
        {"index past the last",
         {"render", CLIPFX_PATH, "IN", "OUT", "--param", "3=0.5"},
         "--param 3=0.5: the plug-in has 3 parameters (0 to 2)"},
        {"negative index",
         {"render", CLIPFX_PATH, "IN", "OUT", "--param", "-1=0.5"},
         "the index must be a whole number"},
        {"value not a number",
         {"render", CLIPFX_PATH, "IN", "OUT", "--param", "0=loud"},
         "the value must be a number from 0 to 1"},
        {"value above 1",
         {"render", CLIPFX_PATH, "IN", "OUT", "--param", "0=1.5"},
         "the value must be a number from 0 to 1"},
        {"value NaN",
         {"render", CLIPFX_PATH, "IN", "OUT", "--param", "0=nan"},
         "the value must be a number from 0 to 1"},
        {"no equals sign",
         {"render", CLIPFX_PATH, "IN", "OUT", "--param", "0.5"},
         "expected INDEX=VALUE"},
        {"missing plug-in",
         {"render", folder.file("none.so"), "IN", "OUT"},
         "plug-in library not found"},
        {"library without an entry", {"render", NOTAPLUGIN_PATH, "IN", "OUT"}, "is not a plug-in"},
        {"file that is no library", {"render", text, "IN", "OUT"}, "cannot load"},
        {"rate given with a file",
         {"render", CLIPFX_PATH, "IN", "OUT", "--sample-rate", "8000"},
         "--sample-rate applies to the demo signal"},
        {"block of 0", {"render", CLIPFX_PATH, "IN", "OUT", "--block", "0"}, "--block"},
        {"curve with a bad value",
         {"curve", CLIPFX_PATH, "OUT", "--param", "1=2"},
         "the value must be a number from 0 to 1"},
    };
    const std::vector<std::string> before = folder.names();
    for (const ErrorCase& c : cases) {
        std::vector<std::string> arguments;
        for (const std::string& word : c.arguments) {
            arguments.push_back(word == "IN" ? in : word == "OUT" ? out : word);
        }
        const FxhostRun run = runFxhost(arguments);
        EXPECT_NE(run.status, 0) << c.name;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
        EXPECT_EQ(folder.names(), before) << c.name << " left a file behind";
    }
}

TEST_F(RenderTest, AnOutputFolderThatDoesNotExistIsAClearError) {
    const FxhostRun run = runFxhost({"render", CLIPFX_PATH, folder.file("no/such/out.wav")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
}
} // namespace
