// Many rounds of building, rebuilding, matching and releasing speaker
// arrangements, refused counts included, leave nothing on the heap.
#include <gtest/gtest.h>

#include <climits>

#include "../leakcheck.h"
#include "audioeffectx.h"

namespace {
class ArrangementEffect : public AudioEffectX {
public:
    ArrangementEffect() : AudioEffectX(nullptr, 1, 0) {}
    void processReplacing(float**, float**, VstInt32) noexcept override {}
};

TEST(ArrangementLeakTest, BuildMatchAndReleaseCyclesLeaveNothingBehind) {
    if (!leakCheckAvailable) GTEST_SKIP() << "needs LeakSanitizer";
    ArrangementEffect effect;
    VstSpeakerArrangement* held = nullptr;
    VstSpeakerArrangement* copy = nullptr;
    for (VstInt32 cycle = 0; cycle < 5000; ++cycle) {
        ASSERT_TRUE(effect.allocateArrangement(&held, cycle % 9));
        ASSERT_TRUE(effect.allocateArrangement(&held, cycle % 7));
        ASSERT_TRUE(effect.matchArrangement(&copy, held));
        ASSERT_TRUE(effect.matchArrangement(&copy, copy));
        ASSERT_FALSE(effect.allocateArrangement(&held, INT_MIN + cycle));
        ASSERT_TRUE(effect.allocateArrangement(&held, 2));
        if (cycle % 2) {
            ASSERT_TRUE(effect.deallocateArrangement(&copy));
        }
        ASSERT_TRUE(effect.deallocateArrangement(&held));
    }
    ASSERT_TRUE(effect.deallocateArrangement(&copy));
    EXPECT_FALSE(heapHasLeaks());
}
} // namespace
