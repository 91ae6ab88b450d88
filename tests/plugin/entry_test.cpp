// The entry and the record, through the built plug-in library as a host
// loads it.
#include <gtest/gtest.h>

#include <cstring>

#include "editorfx.h"
#include "hostedeffect.h"
#include "hosterror.h"
#include "hostrecorder.h"
#include "opcodes.h"

namespace {
class EntryTest : public ::testing::Test {
protected:
    void SetUp() override { recorder.reset(); }
    void TearDown() override { recorder.reset(); }

    HostRecorder& recorder = HostRecorder::instance();
    PluginLibrary library{CLIPFX_PATH};
};

TEST_F(EntryTest, VersionAnsweredZeroGivesNoRecordAfterOneCall) {
    recorder.answer(audioMasterVersion, 0);
    EXPECT_EQ(library.entry()(HostRecorder::callback), nullptr);
    const auto calls = recorder.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].effect, nullptr);
    EXPECT_EQ(calls[0].opcode, audioMasterVersion);
    EXPECT_EQ(calls[0].index, 0);
    EXPECT_EQ(calls[0].value, 0);
    EXPECT_EQ(calls[0].ptr, nullptr);
    EXPECT_EQ(calls[0].opt, 0.0f);
}

TEST_F(EntryTest, AnyOtherVersionGivesARecordAfterOneCall) {
    for (VstIntPtr version : {1, 2400, -1}) {
        recorder.reset();
        recorder.answer(audioMasterVersion, version);
        HostedEffect effect(library.entry(), HostRecorder::callback);
        EXPECT_EQ(recorder.calls().size(), 1u) << "version " << version;
        const unsigned char magic[] = {0x50, 0x74, 0x73, 0x56};
        EXPECT_EQ(std::memcmp(effect.record(), magic, 4), 0);
    }
}

TEST_F(EntryTest, NoCallbackGivesNoRecord) { EXPECT_EQ(library.entry()(nullptr), nullptr); }

TEST_F(EntryTest, MainAndVSTPluginMainAreOneFunction) {
    ASSERT_NE(library.find("VSTPluginMain"), nullptr);
    EXPECT_EQ(library.find("main"), library.find("VSTPluginMain"));
}

TEST_F(EntryTest, TwoInstancesAreIndependent) {
    HostedEffect first(library.entry(), HostRecorder::callback);
    HostedEffect second(library.entry(), HostRecorder::callback);
    EXPECT_NE(first.record(), second.record());
    EXPECT_NE(first.record()->object, second.record()->object);
    first.setParameter(0, 0.75f);
    EXPECT_EQ(first.getParameter(0), 0.75f);
    EXPECT_NE(second.getParameter(0), 0.75f);
}

TEST_F(EntryTest, CloseAnswersOne) {
    HostedEffect effect(library.entry(), HostRecorder::callback);
    EXPECT_EQ(effect.close(), 1);
}

TEST(EditorEntryTest, CloseDeletesTheEditorExactlyOnce) {
    HostRecorder& recorder = HostRecorder::instance();
    recorder.reset();
    PluginLibrary library(EDITORFX_PATH);
    HostedEffect effect(library.entry(), HostRecorder::callback);
    EXPECT_EQ(effect.record()->flags & effFlagsHasEditor, effFlagsHasEditor);
    EXPECT_EQ(effect.close(), 1);
    int destroyed = 0;
    for (const HostCall& call : recorder.calls()) {
        destroyed += call.opcode == audioMasterVendorSpecific && call.index == kEditorDestroyed;
    }
    EXPECT_EQ(destroyed, 1);
    recorder.reset();
}

TEST(BaseRecordTest, TheRecordAsTheBaseConstructorLeavesIt) {
    HostRecorder::instance().reset();
    PluginLibrary library(EDITORFX_PATH);
    HostedEffect effect(library.entry(), HostRecorder::callback);
    const AEffect& record = *effect.record();
    EXPECT_EQ(record.magic, kEffectMagic);
    EXPECT_EQ(record.numPrograms, 1);
    EXPECT_EQ(record.numParams, 1);
    EXPECT_EQ(record.numInputs, 1);
    EXPECT_EQ(record.numOutputs, 2);
    EXPECT_EQ(record.flags, effFlagsCanReplacing | effFlagsHasEditor);
    EXPECT_EQ(record.resvd1, 0);
    EXPECT_EQ(record.resvd2, 0);
    EXPECT_EQ(record.initialDelay, 0);
    EXPECT_EQ(record.ioRatio, 1.0f);
    EXPECT_EQ(record.uniqueID, 0x4E6F4566);
    EXPECT_EQ(record.version, 1);
    EXPECT_EQ(record.user, nullptr);
    EXPECT_NE(record.object, nullptr);
    for (auto entry :
         {reinterpret_cast<void*>(record.dispatcher), reinterpret_cast<void*>(record.process),
          reinterpret_cast<void*>(record.setParameter),
          reinterpret_cast<void*>(record.getParameter),
          reinterpret_cast<void*>(record.processReplacing),
          reinterpret_cast<void*>(record.processDoubleReplacing)}) {
        EXPECT_NE(entry, nullptr);
    }
    const char zeros[sizeof record.future] = {};
    EXPECT_EQ(std::memcmp(record.future, zeros, sizeof zeros), 0);
}
} // namespace
