// The base effect object: members, record, flags, setters and the basic host
// services.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "audioeffect.h"
#include "hostrecorder.h"
#include "opcodes.h"

namespace {
// The smallest concrete effect; it records the parameter writes it receives.
class PlainEffect : public AudioEffect {
public:
    explicit PlainEffect(audioMasterCallback audioMaster) : AudioEffect(audioMaster, 3, 5) {}
    void processReplacing(float**, float**, VstInt32) noexcept override {}
    void setParameter(VstInt32 index, float value) noexcept override {
        parameterWrites.push_back({index, value, HostRecorder::instance().calls().size()});
    }
    struct Write {
        VstInt32 index;
        float value;
        std::size_t hostCallsBefore;
    };
    std::vector<Write> parameterWrites;
    using AudioEffect::cEffect;
};

class AudioEffectTest : public ::testing::Test {
protected:
    void SetUp() override { recorder.reset(); }
    void TearDown() override { recorder.reset(); }
    HostRecorder& recorder = HostRecorder::instance();
};

TEST_F(AudioEffectTest, ConstructionFillsTheRecordAndCallsNoHost) {
    PlainEffect effect(HostRecorder::callback);
    const AEffect& record = *effect.getAeffect();
    EXPECT_EQ(&record, &effect.cEffect);
    EXPECT_EQ(record.object, &effect);
    EXPECT_EQ(record.numPrograms, 3);
    EXPECT_EQ(record.numParams, 5);
    EXPECT_EQ(record.flags, effFlagsCanReplacing);
    EXPECT_EQ(effect.getSampleRate(), 44100.0f);
    EXPECT_EQ(effect.getBlockSize(), 1024);
    EXPECT_EQ(effect.getProgram(), 0);
    EXPECT_EQ(effect.getEditor(), nullptr);
    EXPECT_TRUE(recorder.calls().empty());
}

TEST_F(AudioEffectTest, FlagSettersChangeExactlyTheirBit) {
    PlainEffect effect(nullptr);
    const struct {
        void (AudioEffect::*setter)(bool) noexcept;
        VstInt32 bit;
    } setters[] = {
        {&AudioEffect::hasClip, effFlagsHasClip},
        {&AudioEffect::hasVu, effFlagsHasVu},
        {&AudioEffect::canMono, effFlagsCanMono},
        {&AudioEffect::canProcessReplacing, effFlagsCanReplacing},
        {&AudioEffect::programsAreChunks, effFlagsProgramChunks},
        {&AudioEffect::canDoubleReplacing, effFlagsCanDoubleReplacing},
    };
    for (const auto& row : setters) {
        const VstInt32 before = effect.cEffect.flags;
        (effect.*row.setter)(true);
        EXPECT_EQ(effect.cEffect.flags, before | row.bit);
        (effect.*row.setter)(false);
        EXPECT_EQ(effect.cEffect.flags, before & ~row.bit);
        (effect.*row.setter)(true);
    }
    EXPECT_EQ(effect.cEffect.flags, 2 | 4 | 8 | 16 | 32 | 4096);
}

TEST_F(AudioEffectTest, FieldSettersStoreUnchangedAndTellNobody) {
    PlainEffect effect(HostRecorder::callback);
    effect.setUniqueID(-7);
    effect.setNumInputs(6);
    effect.setNumOutputs(-1);
    effect.setInitialDelay(64);
    effect.setRealtimeQualities(3);
    effect.setOfflineQualities(4);
    const AEffect& record = effect.cEffect;
    EXPECT_EQ(record.uniqueID, -7);
    EXPECT_EQ(record.numInputs, 6);
    EXPECT_EQ(record.numOutputs, -1);
    EXPECT_EQ(record.initialDelay, 64);
    EXPECT_EQ(record.realQualities, 3);
    EXPECT_EQ(record.offQualities, 4);
    EXPECT_TRUE(recorder.calls().empty());
}

TEST_F(AudioEffectTest, SetEditorTogglesOnlyTheEditorBit) {
    PlainEffect effect(nullptr);
    effect.hasClip(true);
    auto* editor = new AEffEditor(&effect);
    effect.setEditor(editor);
    EXPECT_EQ(effect.cEffect.flags, effFlagsCanReplacing | effFlagsHasClip | effFlagsHasEditor);
    EXPECT_EQ(effect.getEditor(), editor);
    effect.setEditor(nullptr);
    EXPECT_EQ(effect.cEffect.flags, effFlagsCanReplacing | effFlagsHasClip);
    delete editor;
}

TEST_F(AudioEffectTest, DeletingTheEffectDeletesItsEditorOnce) {
    struct CountingEditor : AEffEditor {
        CountingEditor(AudioEffect* effect, int& count) : AEffEditor(effect), count(count) {}
        ~CountingEditor() override { ++count; }
        int& count;
    };
    int destroyed = 0;
    AudioEffect* effect = new PlainEffect(nullptr);
    effect->setEditor(new CountingEditor(effect, destroyed));
    delete effect;
    EXPECT_EQ(destroyed, 1);
}

TEST_F(AudioEffectTest, NeutralDefaults) {
    PlainEffect effect(nullptr);
    char text[8];
    std::memset(text, 'x', sizeof text);
    effect.getProgramName(text);
    EXPECT_EQ(text[0], 0);
    EXPECT_EQ(text[1], 'x');
    for (auto getter : {&AudioEffect::getParameterLabel, &AudioEffect::getParameterDisplay,
                        &AudioEffect::getParameterName}) {
        std::memset(text, 'x', sizeof text);
        (effect.*getter)(2, text);
        EXPECT_EQ(text[0], 0);
        EXPECT_EQ(text[1], 'x');
    }
    EXPECT_EQ(effect.AudioEffect::getParameter(-1), 0.0f);
    EXPECT_EQ(effect.getVu(), 0.0f);
    void* chunk = &effect;
    EXPECT_EQ(effect.getChunk(&chunk, true), 0);
    EXPECT_EQ(chunk, &effect);
    EXPECT_EQ(effect.setChunk(chunk, 10, false), 0);
    effect.setProgram(-4);
    EXPECT_EQ(effect.getProgram(), -4);
    effect.setSampleRate(48000.0f);
    effect.setBlockSize(512);
    EXPECT_EQ(effect.getSampleRate(), 48000.0f);
    EXPECT_EQ(effect.getBlockSize(), 512);
}

TEST_F(AudioEffectTest, HostServicesWithoutACallbackAnswerTheirDefaults) {
    PlainEffect effect(nullptr);
    EXPECT_EQ(effect.getMasterVersion(), 1);
    EXPECT_EQ(effect.getCurrentUniqueId(), 0);
    effect.masterIdle();
    EXPECT_TRUE(effect.isInputConnected(0));
    EXPECT_TRUE(effect.isOutputConnected(7));
    effect.setParameterAutomated(2, 0.5f);
    ASSERT_EQ(effect.parameterWrites.size(), 1u);
    EXPECT_EQ(effect.parameterWrites[0].index, 2);
}

TEST_F(AudioEffectTest, HostServicesSendTheirOpcodeAndConvertTheAnswer) {
    PlainEffect effect(HostRecorder::callback);
    recorder.answer(audioMasterVersion, 0);
    EXPECT_EQ(effect.getMasterVersion(), 1);
    recorder.answer(audioMasterVersion, 2400);
    EXPECT_EQ(effect.getMasterVersion(), 2400);
    recorder.answer(audioMasterCurrentId, -9);
    EXPECT_EQ(effect.getCurrentUniqueId(), -9);
    recorder.answer(audioMasterPinConnected, 1);
    EXPECT_FALSE(effect.isInputConnected(3));
    EXPECT_FALSE(effect.isOutputConnected(4));
    recorder.answer(audioMasterPinConnected, 0);
    EXPECT_TRUE(effect.isInputConnected(3));
    effect.masterIdle();

    const std::vector<HostCall> calls = recorder.calls();
    const struct {
        VstInt32 opcode, index;
        VstIntPtr value;
    } expected[] = {{1, 0, 0}, {1, 0, 0}, {2, 0, 0}, {4, 3, 0}, {4, 4, 1}, {4, 3, 0}, {3, 0, 0}};
    ASSERT_EQ(calls.size(), std::size(expected));
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].effect, effect.getAeffect());
        EXPECT_EQ(calls[i].opcode, expected[i].opcode);
        EXPECT_EQ(calls[i].index, expected[i].index);
        EXPECT_EQ(calls[i].value, expected[i].value);
        EXPECT_EQ(calls[i].ptr, nullptr);
        EXPECT_EQ(calls[i].opt, 0.0f);
    }
}

TEST_F(AudioEffectTest, SetParameterAutomatedStoresBeforeTellingTheHost) {
    PlainEffect effect(HostRecorder::callback);
    effect.setParameterAutomated(2, 0.5f);
    ASSERT_EQ(effect.parameterWrites.size(), 1u);
    EXPECT_EQ(effect.parameterWrites[0].index, 2);
    EXPECT_EQ(effect.parameterWrites[0].value, 0.5f);
    EXPECT_EQ(effect.parameterWrites[0].hostCallsBefore, 0u);
    const auto calls = recorder.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].opcode, audioMasterAutomate);
    EXPECT_EQ(calls[0].index, 2);
    EXPECT_EQ(calls[0].value, 0);
    EXPECT_EQ(calls[0].opt, 0.5f);
}
} // namespace
