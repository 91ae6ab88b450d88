// A speaker passed as its own source: copying it must not hand overlapping
// buffers to the string routines.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

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

TEST_F(ArrangementAliasingTest, CopyingASpeakerOntoItselfOnlyCutsItsName) {
    ASSERT_TRUE(effect.allocateArrangement(&arrangement, 1));
    VstSpeakerProperties& speaker = arrangement->speakers[0];
    std::memset(speaker.name, 'n', sizeof speaker.name);
    speaker.type = 3;
    speaker.elevation = 0.25f;
    std::memset(speaker.future, 0x5A, sizeof speaker.future);

    EXPECT_TRUE(effect.copySpeaker(&speaker, &speaker));
    EXPECT_EQ(std::string(speaker.name), std::string(63, 'n'));
    EXPECT_EQ(speaker.type, 3);
    EXPECT_EQ(speaker.elevation, 0.25f);
    for (char byte : speaker.future) EXPECT_EQ(byte, 0x5A);
}
} // namespace
