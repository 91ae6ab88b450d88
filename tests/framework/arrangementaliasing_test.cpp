// Speaker arrangements and speakers passed as their own source: an effect
// that hands its arrangement to the host may be given the same pointer back.
#include <gtest/gtest.h>

#include <cstring>

#include "audioeffectx.h"

namespace {
class ArrangementEffect : public AudioEffectX {
public:
    ArrangementEffect() : AudioEffectX(nullptr, 1, 0) {}
    void processReplacing(float**, float**, VstInt32) noexcept override {}
};

class ArrangementAliasingTest : public ::testing::Test {
protected:
    void TearDown() override { effect.deallocateArrangement(&arrangement); }
    ArrangementEffect effect;
    VstSpeakerArrangement* arrangement = nullptr;
};

TEST_F(ArrangementAliasingTest, MatchingAnArrangementToItselfKeepsIt) {
    ASSERT_TRUE(effect.allocateArrangement(&arrangement, 2));
    arrangement->type = 7;
    std::strcpy(arrangement->speakers[1].name, "Right");
    arrangement->speakers[1].azimuth = -0.5f;
    VstSpeakerArrangement* const held = arrangement;

    EXPECT_TRUE(effect.matchArrangement(&arrangement, arrangement));
    ASSERT_EQ(arrangement, held);
    EXPECT_EQ(arrangement->type, 7);
    EXPECT_EQ(arrangement->numChannels, 2);
    EXPECT_STREQ(arrangement->speakers[1].name, "Right");
    EXPECT_EQ(arrangement->speakers[1].azimuth, -0.5f);
}
} // namespace
