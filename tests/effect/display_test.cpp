// The values the clip effect shows for its parameters: what it hands the
// decibel display, for each parameter and setting.
#include <gtest/gtest.h>

#include <cstring>

#include "floatbits.h"
#include "test.h"

namespace {
// Records what the parameter display passes to the decibel text helper.
class RecordingTest : public ::Test {
public:
    RecordingTest() : ::Test(nullptr) {}
    void dB2string(float value, char* text, VstInt32 maxLen) noexcept override {
        ++calls;
        shown = value;
        limit = maxLen;
        buffer = text;
    }
    int calls = 0;
    float shown = 0.0f;
    VstInt32 limit = 0;
    char* buffer = nullptr;
};

TEST(ClipDisplayTest, EachParameterShowsItsOwnValueInDecibels) {
    const struct Case {
        VstInt32 index;
        float parameter;
        std::uint32_t shown;
    } cases[] = {
        {0, 0.1f, 0xBF800000},  // 0.1 × −10 rounds to −1.0
        {0, 0.0f, 0x80000000},  // −0.0
        {0, -0.5f, 0x40A00000}, // 5.0
        {1, 0.1f, 0xC11E6666},  // 0.1 − 10 rounds to −9.9
        {1, 20.0f, 0x41200000}, // 10.0
        {2, 0.1f, 0xC11E6666},  {2, 20.0f, 0x41200000},
    };
    for (const Case& c : cases) {
        RecordingTest effect;
        effect.setParameter(c.index, c.parameter);
        char text[9];
        effect.getParameterDisplay(c.index, text);
        EXPECT_EQ(effect.calls, 1) << c.index << ", " << c.parameter;
        EXPECT_EQ(bitsOf(effect.shown), c.shown) << c.index << ", " << c.parameter;
        EXPECT_EQ(effect.limit, 8);
        EXPECT_EQ(effect.buffer, text);
    }
}

TEST(ClipDisplayTest, OtherIndicesShowNothing) {
    for (VstInt32 index : {3, -1}) {
        RecordingTest effect;
        char text[9];
        std::memset(text, 'x', sizeof text);
        effect.getParameterDisplay(index, text);
        EXPECT_EQ(effect.calls, 0) << index;
        EXPECT_EQ(std::memcmp(text, "xxxxxxxxx", sizeof text), 0) << index;
    }
}
} // namespace
