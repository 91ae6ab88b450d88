// The display texts, character for character, at several limits, and the
// helpers' calls through the virtual table.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

#include "audioeffect.h"
#include "guardedtext.h"
#include "vststring.h"

namespace {
class DisplayEffect : public AudioEffect {
public:
    explicit DisplayEffect(float rate) : AudioEffect(nullptr, 1, 1) { setSampleRate(rate); }
    void processReplacing(float**, float**, VstInt32) noexcept override {}
};

using FloatHelper = void (AudioEffect::*)(float, char*, VstInt32) noexcept;

template <typename Value> struct Row {
    Value input;
    const char* text; // in full, as a limit of 31 shows it
};

constexpr float infinity = std::numeric_limits<float>::infinity();
constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr VstInt32 limits[] = {8, 4, 2, 31, 0, 9, 1};

// Every row at every limit: the text cut to the limit, every byte from 0 to the
// limit written, none beyond.
template <typename Value, typename Call>
void expectTexts(const char* name, std::initializer_list<Row<Value>> rows, Call call) {
    for (const auto& row : rows) {
        for (VstInt32 n : limits) {
            SCOPED_TRACE(testing::Message() << name << "(" << row.input << ") limit " << n);
            const GuardedText result = guardedWrite([&](char* text) { call(row.input, text, n); });
            EXPECT_EQ(result.text, std::string(row.text).substr(0, static_cast<std::size_t>(n)));
            EXPECT_EQ(result.written, fullWrite(row.text, n));
        }
    }
}

void expectFloatTexts(const char* name, FloatHelper helper, float rate,
                      std::initializer_list<Row<float>> rows) {
    DisplayEffect effect(rate);
    expectTexts(name, rows,
                [&](float value, char* text, VstInt32 n) { (effect.*helper)(value, text, n); });
}

TEST(DisplayTest, Float2String) {
    expectFloatTexts("float2string", &AudioEffect::float2string, 44100.0f,
                     {
                         {0.0f, "0.000000"},
                         {-0.0f, "0.000000"},
                         {1.0f, "1.000000"},
                         {5.0f, "5.000000"},
                         {10.0f, "10.00000"},
                         {100.0f, "100.0000"},
                         {-3.5f, "-3.50000"},
                         {-0.5f, "-0.50000"},
                         {12.345f, "12.34500"},
                         {1234.5678f, "1234.567"},
                         {65536.0f, "65536.00"},
                         {123456.7f, "123456.7"},
                         {1234567.0f, "1234567."},
                         {-123456.0f, "-123456."},
                         {0.1f, "0.100000"},
                         {0.7f, "0.699999"},
                         {2.0f / 3.0f, "0.666666"},
                         {0.00001f, "0.000009"},
                         {0.0000001f, "0.000000"},
                         {-0.001f, "-0.00100"},
                         {100000000.0f, "Huge!"},
                         {99999999.0f, "Huge!"},
                         {-10000000.0f, "Huge!"},
                         {infinity, "Huge!"},
                         {-infinity, "Huge!"},
                         {std::numeric_limits<float>::max(), "Huge!"},
                         {std::numeric_limits<float>::denorm_min(), "0.000000"},
                         {-std::numeric_limits<float>::denorm_min(), "-0.00000"},
                         {1234567.5f, "1234567."},
                         {-123456.5f, "-123456."},
                         {-999999.9f, "-999999."},
                     });
}

// Sign and integer digits that fill the budget alone show no point, and no
// digit is lost; a NaN shows NaN.
TEST(DisplayTest, Float2StringOpenCases) {
    expectFloatTexts("float2string", &AudioEffect::float2string, 44100.0f,
                     {
                         {10000000.0f, "10000000"},
                         {12345678.0f, "12345678"},
                         {99999992.0f, "99999992"},
                         {-1000000.0f, "-1000000"},
                         {-1234567.0f, "-1234567"},
                         {-4194304.5f, "-4194304"},
                         {-9999999.0f, "-9999999"},
                         {nan, "NaN"},
                         {-nan, "NaN"},
                         {std::numeric_limits<float>::signaling_NaN(), "NaN"},
                     });
}

TEST(DisplayTest, DB2String) {
    expectFloatTexts("dB2string", &AudioEffect::dB2string, 44100.0f,
                     {
                         {1.0f, "0.000000"},
                         {10.0f, "20.00000"},
                         {1000.0f, "60.00000"},
                         {2.0f, "6.020600"},
                         {0.5f, "-6.02060"},
                         {0.25f, "-12.0412"},
                         {0.1f, "-20.0000"},
                         {0.001f, "-60.0000"},
                         {0.0f, "-oo"},
                         {-0.0f, "-oo"},
                         {-1.0f, "-oo"},
                         {-infinity, "-oo"},
                         {infinity, "Huge!"},
                         {nan, "NaN"},
                     });
}

TEST(DisplayTest, Hz2String) {
    expectFloatTexts("Hz2string", &AudioEffect::Hz2string, 44100.0f,
                     {
                         {100.0f, "441.0000"},
                         {44100.0f, "1.000000"},
                         {1.0f, "44100.00"},
                         {3.0f, "14700.00"},
                         {0.0f, "0.000000"},
                         {-0.0f, "0.000000"},
                         {-100.0f, "-441.000"},
                         {std::numeric_limits<float>::denorm_min(), "Huge!"},
                         {nan, "NaN"},
                     });
}

TEST(DisplayTest, Ms2String) {
    expectFloatTexts("ms2string", &AudioEffect::ms2string, 44100.0f,
                     {
                         {441.0f, "10.00000"},
                         {44100.0f, "1000.000"},
                         {1000.0f, "22.67573"},
                         {1.0f, "0.022675"},
                         {44.1f, "0.999999"},
                         {0.0f, "0.000000"},
                         {std::numeric_limits<float>::max(), "Huge!"},
                     });
    // A rate of zero is not refused: the quotient is infinite, or NaN for no
    // samples.
    for (float rate : {0.0f, -0.0f}) {
        expectFloatTexts("ms2string at rate 0", &AudioEffect::ms2string, rate,
                         {
                             {10.0f, "Huge!"},
                             {-10.0f, "Huge!"},
                             {0.0f, "NaN"},
                         });
    }
}

TEST(DisplayTest, Int2String) {
    DisplayEffect effect(44100.0f);
    expectTexts<VstInt32>(
        "int2string",
        {
            {0, ""},
            {7, "7"},
            {-42, "-42"},
            {1000, "1000"},
            {99999999, "99999999"},
            {100000000, "Huge!"},
            {-12345678, "-12345678"},
            {-100000000, "-100000000"},
            {10, "10"},
            {-1, "-1"},
            {INT32_MAX, "Huge!"},
        },
        [&](VstInt32 value, char* text, VstInt32 n) { effect.int2string(value, text, n); });
}

// Every int32 is shown in full, the most negative one included.
TEST(DisplayTest, Int2StringOpenCases) {
    DisplayEffect effect(44100.0f);
    expectTexts<VstInt32>(
        "int2string",
        {
            {-999999999, "-999999999"},
            {-1000000000, "-1000000000"},
            {-2147483647, "-2147483647"},
            {INT32_MIN, "-2147483648"},
        },
        [&](VstInt32 value, char* text, VstInt32 n) { effect.int2string(value, text, n); });
}

// A derived effect that logs the virtual calls the helpers make; it may answer
// getSampleRate or float2string itself.
class LoggingEffect : public DisplayEffect {
public:
    LoggingEffect(bool ownRate, bool ownFloatText)
        : DisplayEffect(44100.0f), ownRate(ownRate), ownFloatText(ownFloatText) {}
    float getSampleRate() noexcept override {
        log.push_back("getSampleRate");
        return ownRate ? 48000.0f : AudioEffect::getSampleRate();
    }
    void float2string(float value, char* text, VstInt32 n) noexcept override {
        log.push_back("float2string");
        floatsShown.push_back(value);
        if (ownFloatText) {
            vst_strncpy(text, "own", n);
        } else {
            AudioEffect::float2string(value, text, n);
        }
    }
    const bool ownRate;
    const bool ownFloatText;
    std::vector<std::string> log;
    std::vector<float> floatsShown;
};

TEST(DisplayTest, OverriddenFloatTextReachesTheOtherHelpers) {
    LoggingEffect effect(false, true);
    char text[9];
    for (FloatHelper helper :
         {&AudioEffect::dB2string, &AudioEffect::Hz2string, &AudioEffect::ms2string}) {
        (effect.*helper)(100.0f, text, 8);
        EXPECT_STREQ(text, "own");
    }
    EXPECT_EQ(effect.floatsShown,
              (std::vector<float>{40.0f, 441.0f, static_cast<float>(100000.0 / 44100.0)}));
    effect.dB2string(0.0f, text, 8);
    EXPECT_STREQ(text, "-oo");
    EXPECT_EQ(effect.floatsShown.size(), 3u);
}

TEST(DisplayTest, OverriddenSampleRateReachesTheOtherHelpers) {
    LoggingEffect effect(true, false);
    char text[9];
    effect.Hz2string(48000.0f, text, 8);
    EXPECT_STREQ(text, "1.000000");
    effect.ms2string(48.0f, text, 8);
    EXPECT_STREQ(text, "1.000000");
}

// The rate is read before anything is shown, even for zero samples.
TEST(DisplayTest, RateIsReadBeforeTheFloatIsShown) {
    LoggingEffect effect(false, false);
    char text[9];
    const std::vector<std::string> expected = {"getSampleRate", "float2string"};
    for (float samples : {0.0f, 100.0f}) {
        effect.log.clear();
        effect.Hz2string(samples, text, 8);
        EXPECT_EQ(effect.log, expected) << "Hz2string(" << samples << ")";
        effect.log.clear();
        effect.ms2string(samples, text, 8);
        EXPECT_EQ(effect.log, expected) << "ms2string(" << samples << ")";
    }
    effect.log.clear();
    effect.dB2string(10.0f, text, 8);
    EXPECT_EQ(effect.log, std::vector<std::string>{"float2string"});
}
} // namespace
