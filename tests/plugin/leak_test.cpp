// Many instances built through the entry and released with effClose, each
// driven through a short session first, leave nothing on the heap.
#include <gtest/gtest.h>

#include <vector>

#include "../leakcheck.h"
#include "hostedeffect.h"
#include "hostrecorder.h"
#include "opcodes.h"

namespace {
TEST(LeakTest, CreateAndCloseCyclesLeaveNothingBehind) {
    if (!leakCheckAvailable) GTEST_SKIP() << "needs LeakSanitizer";
    HostRecorder::instance().reset();
    PluginLibrary library(CLIPFX_PATH);
    std::vector<float> left(64, 0.5f), right(64, -0.5f);
    float* channels[] = {left.data(), right.data()};
    char name[] = "cycle";
    for (int cycle = 0; cycle < 5000; ++cycle) {
        HostedEffect effect(library.entry(), HostRecorder::callback);
        effect.dispatch(effOpen);
        effect.dispatch(effSetProgramName, 0, 0, name);
        effect.dispatch(effMainsChanged, 0, 1);
        effect.processReplacing(channels, channels, 64);
        ASSERT_EQ(effect.text(effGetProgramName), "cycle");
        effect.text(effGetParamDisplay, 1);
        effect.dispatch(effMainsChanged, 0, 0);
        ASSERT_EQ(effect.close(), 1);
    }
    EXPECT_FALSE(heapHasLeaks());
    HostRecorder::instance().reset();
}
} // namespace
