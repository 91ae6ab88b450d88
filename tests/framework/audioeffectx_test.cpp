// The extended effect object: its neutral defaults, its flag setters, and the
// virtual calls through which resume reaches a derived effect.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "audioeffectx.h"
#include "hostrecorder.h"
#include "opcodes.h"

namespace {
class PlainEffectX : public AudioEffectX {
public:
    explicit PlainEffectX(audioMasterCallback audioMaster) : AudioEffectX(audioMaster, 3, 4) {}
    void processReplacing(float**, float**, VstInt32) noexcept override {}
    using AudioEffect::cEffect;
};

class AudioEffectXTest : public ::testing::Test {
protected:
    void SetUp() override { recorder.reset(); }
    void TearDown() override { recorder.reset(); }
    HostRecorder& recorder = HostRecorder::instance();
};

TEST_F(AudioEffectXTest, ConstructionIsTheBaseConstruction) {
    PlainEffectX effect(HostRecorder::callback);
    EXPECT_EQ(effect.cEffect.numPrograms, 3);
    EXPECT_EQ(effect.cEffect.numParams, 4);
    EXPECT_EQ(effect.cEffect.flags, effFlagsCanReplacing);
    EXPECT_EQ(effect.cEffect.object, &effect);
    EXPECT_EQ(effect.getSampleRate(), 44100.0f);
    EXPECT_EQ(effect.getBlockSize(), 1024);
    EXPECT_TRUE(recorder.calls().empty());
}

struct DefaultCase {
    const char* name;
    VstIntPtr answer;
    // Calls the default with record as its text or record argument.
    std::function<VstIntPtr(AudioEffectX&, void* record)> call;
};

template <typename T> T* to(void* record) { return static_cast<T*>(record); }
VstIntPtr bits(const void* pointer) { return reinterpret_cast<VstIntPtr>(pointer); }

const std::vector<DefaultCase>& defaultCases() {
    using X = AudioEffectX;
    using V = void*;
    static const std::vector<DefaultCase> cases = {
        {"canParameterBeAutomated", 1,
         [](X& e, V) { return VstIntPtr{e.canParameterBeAutomated(-3)}; }},
        {"string2parameter", 0,
         [](X& e, V r) { return VstIntPtr{e.string2parameter(1, to<char>(r))}; }},
        {"getParameterProperties", 0,
         [](X& e, V r) {
             return VstIntPtr{e.getParameterProperties(1, to<VstParameterProperties>(r))};
         }},
        {"getProgramNameIndexed", 0,
         [](X& e, V r) { return VstIntPtr{e.getProgramNameIndexed(0, 1, to<char>(r))}; }},
        {"beginSetProgram", 0, [](X& e, V) { return VstIntPtr{e.beginSetProgram()}; }},
        {"endSetProgram", 0, [](X& e, V) { return VstIntPtr{e.endSetProgram()}; }},
        {"beginLoadBank", 0,
         [](X& e, V r) { return VstIntPtr{e.beginLoadBank(to<VstPatchChunkInfo>(r))}; }},
        {"beginLoadProgram", 0,
         [](X& e, V r) { return VstIntPtr{e.beginLoadProgram(to<VstPatchChunkInfo>(r))}; }},
        {"getInputProperties", 0,
         [](X& e, V r) { return VstIntPtr{e.getInputProperties(0, to<VstPinProperties>(r))}; }},
        {"getOutputProperties", 0,
         [](X& e, V r) { return VstIntPtr{e.getOutputProperties(9, to<VstPinProperties>(r))}; }},
        {"setSpeakerArrangement", 0,
         [](X& e, V r) {
             return VstIntPtr{e.setSpeakerArrangement(to<VstSpeakerArrangement>(r),
                                                      to<VstSpeakerArrangement>(r))};
         }},
        {"setBypass", 0, [](X& e, V) { return VstIntPtr{e.setBypass(true)}; }},
        {"setPanLaw", 0, [](X& e, V) { return VstIntPtr{e.setPanLaw(1, 0.5f)}; }},
        {"setProcessPrecision", 0, [](X& e, V) { return VstIntPtr{e.setProcessPrecision(1)}; }},
        {"getNumMidiInputChannels", 0,
         [](X& e, V) { return VstIntPtr{e.getNumMidiInputChannels()}; }},
        {"getNumMidiOutputChannels", 0,
         [](X& e, V) { return VstIntPtr{e.getNumMidiOutputChannels()}; }},
        {"processEvents", 0,
         [](X& e, V r) { return VstIntPtr{e.processEvents(to<VstEvents>(r))}; }},
        {"startProcess", 0, [](X& e, V) { return VstIntPtr{e.startProcess()}; }},
        {"stopProcess", 0, [](X& e, V) { return VstIntPtr{e.stopProcess()}; }},
        {"processVariableIo", 0,
         [](X& e, V r) { return VstIntPtr{e.processVariableIo(to<VstVariableIo>(r))}; }},
        {"setTotalSampleToProcess 0", 0,
         [](X& e, V) { return VstIntPtr{e.setTotalSampleToProcess(0)}; }},
        {"setTotalSampleToProcess -5", -5,
         [](X& e, V) { return VstIntPtr{e.setTotalSampleToProcess(-5)}; }},
        {"setTotalSampleToProcess 44100", 44100,
         [](X& e, V) { return VstIntPtr{e.setTotalSampleToProcess(44100)}; }},
        {"getGetTailSize", 0, [](X& e, V) { return VstIntPtr{e.getGetTailSize()}; }},
        {"getEffectName", 0, [](X& e, V r) { return VstIntPtr{e.getEffectName(to<char>(r))}; }},
        {"getVendorString", 0, [](X& e, V r) { return VstIntPtr{e.getVendorString(to<char>(r))}; }},
        {"getProductString", 0,
         [](X& e, V r) { return VstIntPtr{e.getProductString(to<char>(r))}; }},
        {"getVendorVersion", 0, [](X& e, V) { return VstIntPtr{e.getVendorVersion()}; }},
        {"vendorSpecific", 0, [](X& e, V r) { return e.vendorSpecific(1, 2, r, 0.5f); }},
        {"canDo", 0, [](X& e, V r) { return VstIntPtr{e.canDo(to<char>(r))}; }},
        {"getVstVersion", 2400, [](X& e, V) { return VstIntPtr{e.getVstVersion()}; }},
        {"getPlugCategory", kPlugCategUnknown,
         [](X& e, V) { return VstIntPtr{e.getPlugCategory()}; }},
        {"getMidiProgramName", 0,
         [](X& e, V r) { return VstIntPtr{e.getMidiProgramName(0, to<MidiProgramName>(r))}; }},
        {"getCurrentMidiProgram 0", -1,
         [](X& e, V r) { return VstIntPtr{e.getCurrentMidiProgram(0, to<MidiProgramName>(r))}; }},
        {"getCurrentMidiProgram -1", -1,
         [](X& e, V r) { return VstIntPtr{e.getCurrentMidiProgram(-1, to<MidiProgramName>(r))}; }},
        {"getMidiProgramCategory", 0,
         [](X& e, V r) {
             return VstIntPtr{e.getMidiProgramCategory(0, to<MidiProgramCategory>(r))};
         }},
        {"hasMidiProgramsChanged", 0,
         [](X& e, V) { return VstIntPtr{e.hasMidiProgramsChanged(0)}; }},
        {"getMidiKeyName", 0,
         [](X& e, V r) { return VstIntPtr{e.getMidiKeyName(0, to<MidiKeyName>(r))}; }},
        {"getNextShellPlugin", 0,
         [](X& e, V r) { return VstIntPtr{e.getNextShellPlugin(to<char>(r))}; }},
        {"offlineNotify", 0,
         [](X& e, V r) { return VstIntPtr{e.offlineNotify(to<VstAudioFile>(r), 1, true)}; }},
        {"offlinePrepare", 0,
         [](X& e, V r) { return VstIntPtr{e.offlinePrepare(to<VstOfflineTask>(r), 1)}; }},
        {"offlineRun", 0,
         [](X& e, V r) { return VstIntPtr{e.offlineRun(to<VstOfflineTask>(r), 1)}; }},
        {"offlineGetNumPasses", 0, [](X& e, V) { return VstIntPtr{e.offlineGetNumPasses()}; }},
        {"offlineGetNumMetaPasses", 0,
         [](X& e, V) { return VstIntPtr{e.offlineGetNumMetaPasses()}; }},
        {"getNumCategories", 1, [](X& e, V) { return VstIntPtr{e.getNumCategories()}; }},
        {"copyProgram", 0, [](X& e, V) { return VstIntPtr{e.copyProgram(0)}; }},
        {"inputConnected", 0, [](X& e, V) { return (e.inputConnected(0, false), 0); }},
        {"outputConnected", 0, [](X& e, V) { return (e.outputConnected(1, true), 0); }},
        {"reportCurrentPosition", 0, [](X& e, V) { return VstIntPtr{e.reportCurrentPosition()}; }},
        {"reportDestinationBuffer", 0, [](X& e, V) { return bits(e.reportDestinationBuffer()); }},
        {"getErrorText", 0, [](X& e, V r) { return VstIntPtr{e.getErrorText(to<char>(r))}; }},
        {"getIcon", 0, [](X& e, V) { return bits(e.getIcon()); }},
        {"setViewPosition", 0, [](X& e, V) { return VstIntPtr{e.setViewPosition(10, 20)}; }},
        {"fxIdle", 0, [](X& e, V) { return VstIntPtr{e.fxIdle()}; }},
        {"keysRequired", 0, [](X& e, V) { return VstIntPtr{e.keysRequired()}; }},
    };
    return cases;
}

// Each default answers its value, reads and writes neither its text or
// record (a null one included) nor the effect, and calls no host.
TEST_F(AudioEffectXTest, DefaultsOfAFreshObject) {
    unsigned char scratch[64];
    std::memset(scratch, 0xA5, sizeof scratch);
    const std::vector<unsigned char> untouched(scratch, scratch + sizeof scratch);
    for (void* record : {static_cast<void*>(scratch), static_cast<void*>(nullptr)}) {
        for (const DefaultCase& row : defaultCases()) {
            SCOPED_TRACE(testing::Message() << row.name << (record ? "" : ", null record"));
            PlainEffectX effect(HostRecorder::callback);
            AEffect before;
            std::memcpy(&before, &effect.cEffect, sizeof before);

            EXPECT_EQ(row.call(effect, record), row.answer);

            EXPECT_EQ(std::vector<unsigned char>(scratch, scratch + sizeof scratch), untouched);
            EXPECT_EQ(std::memcmp(&before, &effect.cEffect, sizeof before), 0);
            EXPECT_EQ(effect.getSampleRate(), 44100.0f);
            EXPECT_EQ(effect.getBlockSize(), 1024);
            EXPECT_TRUE(recorder.calls().empty());
        }
    }
}

TEST_F(AudioEffectXTest, GetSpeakerArrangementWritesNullThroughBoth) {
    PlainEffectX effect(nullptr);
    VstSpeakerArrangement held{};
    VstSpeakerArrangement* input = &held;
    VstSpeakerArrangement* output = &held;
    EXPECT_FALSE(effect.getSpeakerArrangement(&input, &output));
    EXPECT_EQ(input, nullptr);
    EXPECT_EQ(output, nullptr);
}

TEST_F(AudioEffectXTest, FlagSettersChangeExactlyTheirBit) {
    const struct {
        const char* name;
        void (AudioEffectX::*setter)(bool) noexcept;
        VstInt32 bit;
    } setters[] = {
        {"isSynth", &AudioEffectX::isSynth, effFlagsIsSynth},
        {"noTail", &AudioEffectX::noTail, effFlagsNoSoundInStop},
        {"wantAsyncOperation", &AudioEffectX::wantAsyncOperation, effFlagsExtIsAsync},
        {"hasExternalBuffer", &AudioEffectX::hasExternalBuffer, effFlagsExtHasBuffer},
    };
    const VstInt32 everyOtherBit = effFlagsHasClip | effFlagsCanReplacing | effFlagsHasVu |
                                   effFlagsCanMono | effFlagsProgramChunks |
                                   effFlagsCanDoubleReplacing;
    for (const auto& row : setters) {
        SCOPED_TRACE(row.name);
        for (const VstInt32 others : {VstInt32{effFlagsCanReplacing}, everyOtherBit}) {
            PlainEffectX effect(nullptr);
            effect.cEffect.flags = others;
            (effect.*row.setter)(true);
            EXPECT_EQ(effect.cEffect.flags, others | row.bit);
            EXPECT_EQ(effect.getPlugCategory(),
                      row.bit == effFlagsIsSynth ? kPlugCategSynth : kPlugCategUnknown);
            (effect.*row.setter)(false);
            EXPECT_EQ(effect.cEffect.flags, others);
            EXPECT_EQ(effect.getPlugCategory(), kPlugCategUnknown);
        }
    }
}

TEST_F(AudioEffectXTest, SetBlockSizeAndSampleRateStoresBothAndCallsNothing) {
    struct SetterSpy : PlainEffectX {
        using PlainEffectX::PlainEffectX;
        void setSampleRate(float) noexcept override { ++setterCalls; }
        void setBlockSize(VstInt32) noexcept override { ++setterCalls; }
        int setterCalls = 0;
    };
    SetterSpy effect(HostRecorder::callback);
    effect.setBlockSizeAndSampleRate(512, 48000.0f);
    EXPECT_EQ(effect.getBlockSize(), 512);
    EXPECT_EQ(effect.getSampleRate(), 48000.0f);
    EXPECT_EQ(effect.setterCalls, 0);
    EXPECT_TRUE(recorder.calls().empty());
}

// A derived effect whose canDo answers a chosen value; it notes what resume
// asks of it and passes wantEvents on to the framework.
class ResumeProbe : public PlainEffectX {
public:
    ResumeProbe(audioMasterCallback audioMaster, VstInt32 canDoAnswer)
        : PlainEffectX(audioMaster), canDoAnswer(canDoAnswer) {}
    VstInt32 canDo(char* text) noexcept override {
        asked.push_back(text);
        return canDoAnswer;
    }
    void wantEvents(VstInt32 filter) noexcept override {
        wanted.push_back(filter);
        AudioEffectX::wantEvents(filter);
    }
    VstInt32 canDoAnswer;
    std::vector<std::string> asked;
    std::vector<VstInt32> wanted;
};

TEST_F(AudioEffectXTest, ResumeAsksForEventsOnlyForSynthsAndMidiReceivers) {
    const struct {
        const char* name;
        bool synth;
        VstInt32 canDoAnswer;
        bool asksCanDo;
        bool wantsEvents;
    } cases[] = {
        {"synth", true, 0, false, true},
        {"canDo answers 1", false, 1, true, true},
        {"canDo answers 2", false, 2, true, false},
        {"canDo answers -1", false, -1, true, false},
        {"canDo answers 0", false, 0, true, false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        recorder.reset();
        ResumeProbe effect(HostRecorder::callback, row.canDoAnswer);
        effect.isSynth(row.synth);
        effect.resume();

        EXPECT_EQ(effect.asked, row.asksCanDo ? std::vector<std::string>{"receiveVstMidiEvent"}
                                              : std::vector<std::string>{});
        EXPECT_EQ(effect.wanted,
                  row.wantsEvents ? std::vector<VstInt32>{1} : std::vector<VstInt32>{});
        const auto calls = recorder.calls();
        ASSERT_EQ(calls.size(), row.wantsEvents ? 1u : 0u);
        if (row.wantsEvents) {
            EXPECT_EQ(calls[0].effect, effect.getAeffect());
            EXPECT_EQ(calls[0].opcode, audioMasterWantMidi);
            EXPECT_EQ(calls[0].index, 0);
            EXPECT_EQ(calls[0].value, 1);
            EXPECT_EQ(calls[0].ptr, nullptr);
            EXPECT_EQ(calls[0].opt, 0.0f);
        }
    }
}

TEST_F(AudioEffectXTest, ResumeOfAnEffectThatOverridesNothingSendsNothing) {
    PlainEffectX effect(HostRecorder::callback);
    effect.resume();
    EXPECT_TRUE(recorder.calls().empty());
}

TEST_F(AudioEffectXTest, ResumeOfASynthWithoutACallbackStillCallsWantEvents) {
    ResumeProbe effect(nullptr, 0);
    effect.isSynth(true);
    effect.resume();
    EXPECT_EQ(effect.wanted, std::vector<VstInt32>{1});
}

// Each capability text is its constant's own name.
TEST(CapabilityTextsTest, EachTextIsItsName) {
#define NAMED(group, name)                                                                         \
    { group::name, #name }
    const struct {
        const char* text;
        const char* name;
    } texts[] = {
        NAMED(hostCapabilityTexts, sendVstEvents),
        NAMED(hostCapabilityTexts, sendVstMidiEvent),
        NAMED(hostCapabilityTexts, sendVstTimeInfo),
        NAMED(hostCapabilityTexts, receiveVstEvents),
        NAMED(hostCapabilityTexts, receiveVstMidiEvent),
        NAMED(hostCapabilityTexts, reportConnectionChanges),
        NAMED(hostCapabilityTexts, acceptIOChanges),
        NAMED(hostCapabilityTexts, sizeWindow),
        NAMED(hostCapabilityTexts, offline),
        NAMED(hostCapabilityTexts, openFileSelector),
        NAMED(hostCapabilityTexts, closeFileSelector),
        NAMED(hostCapabilityTexts, startStopProcess),
        NAMED(hostCapabilityTexts, shellCategory),
        NAMED(hostCapabilityTexts, sendVstMidiEventFlagIsRealtime),
        NAMED(pluginCapabilityTexts, sendVstEvents),
        NAMED(pluginCapabilityTexts, sendVstMidiEvent),
        NAMED(pluginCapabilityTexts, receiveVstEvents),
        NAMED(pluginCapabilityTexts, receiveVstMidiEvent),
        NAMED(pluginCapabilityTexts, receiveVstTimeInfo),
        NAMED(pluginCapabilityTexts, offline),
        NAMED(pluginCapabilityTexts, midiProgramNames),
        NAMED(pluginCapabilityTexts, bypass),
    };
#undef NAMED
    for (const auto& entry : texts) EXPECT_STREQ(entry.text, entry.name);
}
} // namespace
