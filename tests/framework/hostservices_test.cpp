// The extended host services as the host sees them: what each wrapper sends,
// how it turns the host's answer into its result, and what it yields without
// a callback.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "audioeffectx.h"
#include "hostrecorder.h"
#include "opcodes.h"

namespace {
class PlainEffectX : public AudioEffectX {
public:
    explicit PlainEffectX(audioMasterCallback audioMaster) : AudioEffectX(audioMaster, 1, 1) {}
    void processReplacing(float**, float**, VstInt32) noexcept override {}
};

// Distinct addresses to hand to the wrappers and to answer from the host.
char eventsRecord[8], filesRecord[8], taskRecord[8], textBuffer[8], windowRecord[8],
    selectorRecord[8], pathRecord[8], vendorRecord[8], hostRecord[8];
VstEvents* const events = reinterpret_cast<VstEvents*>(eventsRecord);
VstAudioFile* const files = reinterpret_cast<VstAudioFile*>(filesRecord);
VstOfflineTask* const task = reinterpret_cast<VstOfflineTask*>(taskRecord);
VstIntPtr bits(const void* pointer) { return reinterpret_cast<VstIntPtr>(pointer); }

// How a wrapper turns the host's answer into its result.
enum class Result { Nothing, Bool, BoolOneOnly, ZeroOne, Int32, IntPtr, Pointer, Rate, Size };

VstIntPtr expectedResult(Result kind, VstIntPtr answer) {
    switch (kind) {
    case Result::Nothing: return 0;
    case Result::Bool: return answer != 0;
    case Result::BoolOneOnly: return answer == 1;
    case Result::ZeroOne: return answer != 0 ? 1 : 0;
    case Result::Int32: return static_cast<VstInt32>(answer);
    case Result::IntPtr:
    case Result::Pointer: return answer;
    case Result::Rate:
        return answer > 0 ? static_cast<VstIntPtr>(static_cast<float>(answer)) : 44100;
    case Result::Size: return answer > 0 && answer <= INT32_MAX ? answer : 1024;
    }
    return 0;
}

struct ServiceCase {
    const char* name;
    std::function<VstIntPtr(AudioEffectX&)> call; // the result as the host's integer type
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    void* ptr;
    float opt;
    Result result;
    VstIntPtr withoutCallback;
};

const std::vector<ServiceCase>& serviceCases() {
    using X = AudioEffectX;
    // clang-format off
    static const std::vector<ServiceCase> cases = {
        // name, call and result as the host's integer type
        //     opcode, index, value, ptr, opt the host sees; result kind; without a callback
        {"wantEvents", [](X& e) { return e.wantEvents(3), 0; },
             audioMasterWantMidi, 0, 3, nullptr, 0.0f, Result::Nothing, 0},
        {"getTimeInfo", [](X& e) { return bits(e.getTimeInfo(9)); },
             audioMasterGetTime, 0, 9, nullptr, 0.0f, Result::Pointer, 0},
        {"sendVstEventsToHost", [](X& e) { return VstIntPtr{e.sendVstEventsToHost(events)}; },
             audioMasterProcessEvents, 0, 0, events, 0.0f, Result::BoolOneOnly, 0},
        {"tempoAt", [](X& e) { return VstIntPtr{e.tempoAt(7)}; },
             audioMasterTempoAt, 0, 7, nullptr, 0.0f, Result::Int32, 0},
        {"getNumAutomatableParameters",
            [](X& e) { return VstIntPtr{e.getNumAutomatableParameters()}; },
             audioMasterGetNumAutomatableParameters, 0, 0, nullptr, 0.0f, Result::Int32, 0},
        {"getParameterQuantization", [](X& e) { return VstIntPtr{e.getParameterQuantization()}; },
             audioMasterGetParameterQuantization, 0, 0, nullptr, 0.0f, Result::Int32, 0},
        {"ioChanged", [](X& e) { return VstIntPtr{e.ioChanged()}; },
             audioMasterIOChanged, 0, 0, nullptr, 0.0f, Result::Bool, 0},
        {"needIdle", [](X& e) { return VstIntPtr{e.needIdle()}; },
             audioMasterNeedIdle, 0, 0, nullptr, 0.0f, Result::Bool, 0},
        {"sizeWindow", [](X& e) { return VstIntPtr{e.sizeWindow(640, 480)}; },
             audioMasterSizeWindow, 640, 480, nullptr, 0.0f, Result::Bool, 0},
        {"updateSampleRate", [](X& e) { return static_cast<VstIntPtr>(e.updateSampleRate()); },
             audioMasterGetSampleRate, 0, 0, nullptr, 0.0f, Result::Rate, 44100},
        {"updateBlockSize", [](X& e) { return VstIntPtr{e.updateBlockSize()}; },
             audioMasterGetBlockSize, 0, 0, nullptr, 0.0f, Result::Size, 1024},
        {"getInputLatency", [](X& e) { return VstIntPtr{e.getInputLatency()}; },
             audioMasterGetInputLatency, 0, 0, nullptr, 0.0f, Result::Int32, 0},
        {"getOutputLatency", [](X& e) { return VstIntPtr{e.getOutputLatency()}; },
             audioMasterGetOutputLatency, 0, 0, nullptr, 0.0f, Result::Int32, 0},
        {"getPreviousPlug", [](X& e) { return bits(e.getPreviousPlug(5)); },
             audioMasterGetPreviousPlug, 0, 0, nullptr, 0.0f, Result::Pointer, 0},
        {"getNextPlug", [](X& e) { return bits(e.getNextPlug(6)); },
             audioMasterGetNextPlug, 0, 0, nullptr, 0.0f, Result::Pointer, 0},
        {"willProcessReplacing", [](X& e) { return VstIntPtr{e.willProcessReplacing()}; },
             audioMasterWillReplaceOrAccumulate, 0, 0, nullptr, 0.0f, Result::Int32, 0},
        {"getCurrentProcessLevel", [](X& e) { return VstIntPtr{e.getCurrentProcessLevel()}; },
             audioMasterGetCurrentProcessLevel, 0, 0, nullptr, 0.0f, Result::Int32, 0},
        {"getAutomationState", [](X& e) { return VstIntPtr{e.getAutomationState()}; },
             audioMasterGetAutomationState, 0, 0, nullptr, 0.0f, Result::Int32, 0},
        {"offlineStart", [](X& e) { return VstIntPtr{e.offlineStart(files, 3, 1)}; },
             audioMasterOfflineStart, 1, 3, files, 0.0f, Result::Bool, 0},
        {"offlineRead true", [](X& e) { return VstIntPtr{e.offlineRead(task, 2, true)}; },
             audioMasterOfflineRead, 1, 2, task, 0.0f, Result::Bool, 0},
        {"offlineRead false", [](X& e) { return VstIntPtr{e.offlineRead(task, 2, false)}; },
             audioMasterOfflineRead, 0, 2, task, 0.0f, Result::Bool, 0},
        {"offlineWrite", [](X& e) { return VstIntPtr{e.offlineWrite(task, 2)}; },
             audioMasterOfflineWrite, 0, 2, task, 0.0f, Result::Bool, 0},
        {"offlineGetCurrentPass", [](X& e) { return VstIntPtr{e.offlineGetCurrentPass()}; },
             audioMasterOfflineGetCurrentPass, 0, 0, nullptr, 0.0f, Result::ZeroOne, 0},
        {"offlineGetCurrentMetaPass", [](X& e) { return VstIntPtr{e.offlineGetCurrentMetaPass()}; },
             audioMasterOfflineGetCurrentMetaPass, 0, 0, nullptr, 0.0f, Result::ZeroOne, 0},
        {"setOutputSamplerate", [](X& e) { return e.setOutputSamplerate(0.5f), 0; },
             audioMasterSetOutputSampleRate, 0, 0, nullptr, 0.5f, Result::Nothing, 0},
        {"getOutputSpeakerArrangement", [](X& e) { return bits(e.getOutputSpeakerArrangement()); },
             audioMasterGetOutputSpeakerArrangement, 0, 0, nullptr, 0.0f, Result::Pointer, 0},
        {"getHostVendorString", [](X& e) { return VstIntPtr{e.getHostVendorString(textBuffer)}; },
             audioMasterGetVendorString, 0, 0, textBuffer, 0.0f, Result::Bool, 0},
        {"getHostProductString", [](X& e) { return VstIntPtr{e.getHostProductString(textBuffer)}; },
             audioMasterGetProductString, 0, 0, textBuffer, 0.0f, Result::Bool, 0},
        {"getHostVendorVersion", [](X& e) { return VstIntPtr{e.getHostVendorVersion()}; },
             audioMasterGetVendorVersion, 0, 0, nullptr, 0.0f, Result::Int32, 0},
        {"hostVendorSpecific", [](X& e) { return e.hostVendorSpecific(1, 2, vendorRecord, 0.5f); },
             audioMasterVendorSpecific, 1, 2, vendorRecord, 0.5f, Result::IntPtr, 0},
        {"canHostDo", [](X& e) { return VstIntPtr{e.canHostDo(textBuffer)}; },
             audioMasterCanDo, 0, 0, textBuffer, 0.0f, Result::ZeroOne, 0},
        {"getHostLanguage", [](X& e) { return VstIntPtr{e.getHostLanguage()}; },
             audioMasterGetLanguage, 0, 0, nullptr, 0.0f, Result::Int32, 0},
        {"openWindow", [](X& e) { return bits(e.openWindow(windowRecord)); },
             audioMasterOpenWindow, 0, 0, windowRecord, 0.0f, Result::Pointer, 0},
        {"closeWindow", [](X& e) { return VstIntPtr{e.closeWindow(windowRecord)}; },
             audioMasterCloseWindow, 0, 0, windowRecord, 0.0f, Result::Bool, 0},
        {"getDirectory", [](X& e) { return bits(e.getDirectory()); },
             audioMasterGetDirectory, 0, 0, nullptr, 0.0f, Result::Pointer, 0},
        {"updateDisplay", [](X& e) { return VstIntPtr{e.updateDisplay()}; },
             audioMasterUpdateDisplay, 0, 0, nullptr, 0.0f, Result::Bool, 0},
        {"beginEdit", [](X& e) { return VstIntPtr{e.beginEdit(2)}; },
             audioMasterBeginEdit, 2, 0, nullptr, 0.0f, Result::Bool, 0},
        {"endEdit", [](X& e) { return VstIntPtr{e.endEdit(3)}; },
             audioMasterEndEdit, 3, 0, nullptr, 0.0f, Result::Bool, 0},
        {"openFileSelector", [](X& e) { return VstIntPtr{e.openFileSelector(selectorRecord)}; },
             audioMasterOpenFileSelector, 0, 0, selectorRecord, 0.0f, Result::Bool, 0},
        {"closeFileSelector", [](X& e) { return VstIntPtr{e.closeFileSelector(selectorRecord)}; },
             audioMasterCloseFileSelector, 0, 0, selectorRecord, 0.0f, Result::Bool, 0},
        {"getChunkFile", [](X& e) { return VstIntPtr{e.getChunkFile(pathRecord)}; },
             audioMasterGetChunkFile, 0, 0, pathRecord, 0.0f, Result::Bool, 0},
        {"getInputSpeakerArrangement", [](X& e) { return bits(e.getInputSpeakerArrangement()); },
             audioMasterGetInputSpeakerArrangement, 0, 0, nullptr, 0.0f, Result::Pointer, 0},
    };
    // clang-format on
    return cases;
}

class HostServicesTest : public ::testing::Test {
protected:
    void SetUp() override { recorder.reset(); }
    void TearDown() override { recorder.reset(); }
    HostRecorder& recorder = HostRecorder::instance();
};

TEST_F(HostServicesTest, EachWrapperSendsItsRowAndConvertsTheAnswer) {
    const VstIntPtr answers[] = {0, 1, 2, -1, 500, bits(hostRecord)};
    for (const ServiceCase& service : serviceCases()) {
        for (const VstIntPtr answer : answers) {
            SCOPED_TRACE(testing::Message() << service.name << ", host answers " << answer);
            recorder.reset();
            recorder.answer(service.opcode, answer);
            PlainEffectX effect(HostRecorder::callback);

            EXPECT_EQ(service.call(effect), expectedResult(service.result, answer));

            const auto calls = recorder.calls();
            ASSERT_EQ(calls.size(), 1u);
            EXPECT_EQ(calls[0].effect, effect.getAeffect());
            EXPECT_EQ(calls[0].opcode, service.opcode);
            EXPECT_EQ(calls[0].index, service.index);
            EXPECT_EQ(calls[0].value, service.value);
            EXPECT_EQ(calls[0].ptr, service.ptr);
            EXPECT_EQ(calls[0].opt, service.opt);
        }
    }
}

TEST_F(HostServicesTest, WithoutACallbackEachWrapperYieldsItsDefault) {
    for (const ServiceCase& service : serviceCases()) {
        SCOPED_TRACE(service.name);
        PlainEffectX effect(nullptr);
        EXPECT_EQ(service.call(effect), service.withoutCallback);
        EXPECT_EQ(effect.getSampleRate(), 44100.0f);
        EXPECT_EQ(effect.getBlockSize(), 1024);
    }
}

TEST_F(HostServicesTest, NullRecordsAreRefusedWithoutAskingTheHost) {
    const std::function<bool(AudioEffectX&)> refusals[] = {
        [](AudioEffectX& e) { return e.openFileSelector(nullptr); },
        [](AudioEffectX& e) { return e.closeFileSelector(nullptr); },
        [](AudioEffectX& e) { return e.getChunkFile(nullptr); },
    };
    recorder.answer(audioMasterOpenFileSelector, 1);
    recorder.answer(audioMasterCloseFileSelector, 1);
    recorder.answer(audioMasterGetChunkFile, 1);
    PlainEffectX effect(HostRecorder::callback);
    for (const auto& refusal : refusals) EXPECT_FALSE(refusal(effect));
    EXPECT_TRUE(recorder.calls().empty());
}

TEST_F(HostServicesTest, PositiveRatesAndSizesAreStoredUntilTheNextChange) {
    PlainEffectX effect(HostRecorder::callback);
    recorder.answer(audioMasterGetSampleRate, 500);
    recorder.answer(audioMasterGetBlockSize, 512);
    EXPECT_EQ(effect.updateSampleRate(), 500.0);
    EXPECT_EQ(effect.updateBlockSize(), 512);
    EXPECT_EQ(effect.getSampleRate(), 500.0f);
    EXPECT_EQ(effect.getBlockSize(), 512);

    // Nothing usable from the host: the stored values stay.
    for (const VstIntPtr answer : {VstIntPtr{0}, VstIntPtr{-1}, VstIntPtr{INTPTR_MIN}}) {
        recorder.answer(audioMasterGetSampleRate, answer);
        recorder.answer(audioMasterGetBlockSize, answer);
        EXPECT_EQ(effect.updateSampleRate(), 500.0) << "host answers " << answer;
        EXPECT_EQ(effect.updateBlockSize(), 512) << "host answers " << answer;
    }
    // A positive answer that no block size can hold is not one either.
    if constexpr (sizeof(VstIntPtr) > 4) {
        recorder.answer(audioMasterGetBlockSize, static_cast<VstIntPtr>(0x100000000LL));
        EXPECT_EQ(effect.updateBlockSize(), 512);
    }
    effect.setSampleRate(22050.0f);
    effect.setBlockSize(64);
    recorder.answer(audioMasterGetSampleRate, 0);
    recorder.answer(audioMasterGetBlockSize, 0);
    EXPECT_EQ(effect.updateSampleRate(), 22050.0);
    EXPECT_EQ(effect.updateBlockSize(), 64);
}
} // namespace
