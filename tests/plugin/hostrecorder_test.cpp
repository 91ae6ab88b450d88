// The recording host callback: a long-running host stops keeping calls but
// still answers them.
#include <gtest/gtest.h>

#include "hostrecorder.h"
#include "opcodes.h"

namespace {
TEST(HostRecorderTest, CallsAreAnsweredWhetherOrNotTheyAreKept) {
    HostRecorder& recorder = HostRecorder::instance();
    recorder.reset();
    recorder.answer(audioMasterGetSampleRate, 48000);
    recorder.keepCalls(false);
    EXPECT_EQ(HostRecorder::callback(nullptr, audioMasterGetSampleRate, 0, 0, nullptr, 0.0f),
              48000);
    EXPECT_EQ(HostRecorder::callback(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f), 2400);
    EXPECT_TRUE(recorder.calls().empty());
    recorder.keepCalls(true);
    HostRecorder::callback(nullptr, audioMasterIdle, 0, 0, nullptr, 0.0f);
    ASSERT_EQ(recorder.calls().size(), 1u);
    EXPECT_EQ(recorder.calls()[0].opcode, audioMasterIdle);
    recorder.keepCalls(false);
    recorder.reset();
    HostRecorder::callback(nullptr, audioMasterIdle, 0, 0, nullptr, 0.0f);
    EXPECT_EQ(recorder.calls().size(), 1u) << "reset keeps calls again";
    recorder.reset();
}
} // namespace
