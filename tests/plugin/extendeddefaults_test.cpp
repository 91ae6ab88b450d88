// The extended defaults the clip effect keeps, as a host sees them through
// the loaded library, and its switching on, which asks the host nothing.
#include <gtest/gtest.h>

#include <cstdint>

#include "hostedeffect.h"
#include "hostrecorder.h"
#include "opcodes.h"

namespace {
class ExtendedDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override { recorder.reset(); }
    void TearDown() override { recorder.reset(); }

    HostRecorder& recorder = HostRecorder::instance();
    PluginLibrary library{CLIPFX_PATH};
};

TEST_F(ExtendedDefaultsTest, OpcodesTheClipEffectLeavesToTheFramework) {
    HostedEffect effect(library.entry(), HostRecorder::callback);
    char record[64] = {};
    const struct {
        VstInt32 opcode;
        VstIntPtr value;
        VstIntPtr answer;
    } cases[] = {
        {effGetVstVersion, 0, 2400},
        {effGetCurrentMidiProgram, 0, -1},
        {effGetNumProgramCategories, 0, 0},
        {effCanBeAutomated, 0, 1},
        {effGetPlugCategory, 0, kPlugCategUnknown},
        {effCanDo, 0, 0},
        {effGetTailSize, 0, 0},
        {effSetTotalSampleToProcess, -5, -5},
        {effEditKeyDown, 0x41, 0},
        {effEditGetRect, 0, 0},
        {effIdentify, 0, 0x4E764566},
        {80, 0, 0},
        {-1, 0, 0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(testing::Message() << "opcode " << row.opcode);
        EXPECT_EQ(effect.dispatch(row.opcode, 0, row.value, record), row.answer);
    }
    EXPECT_EQ(static_cast<std::uintptr_t>(effect.dispatch(effGetCurrentMidiProgram, 0, 0, record)),
              UINTPTR_MAX);
}

TEST_F(ExtendedDefaultsTest, SwitchingOnAsksTheHostNothing) {
    HostedEffect effect(library.entry(), HostRecorder::callback);
    recorder.reset();
    EXPECT_EQ(effect.dispatch(effMainsChanged, 0, 1), 0);
    EXPECT_EQ(effect.dispatch(effMainsChanged, 0, 0), 0);
    EXPECT_EQ(effect.dispatch(effMainsChanged, 0, 1), 0);
    EXPECT_TRUE(recorder.calls().empty());
}
} // namespace
