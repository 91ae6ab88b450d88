// The two opcode dispatchers as a host drives them through the record's
// dispatcher entry: which operation each opcode reaches, with which
// arguments, and how its result becomes the answer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "audioeffectx.h"
#include "opcodes.h"

namespace {
// The host's ptr, and an address the host passes in value.
char ptrBuffer[64];
char valueBuffer[64];
void* const P = ptrBuffer;
const VstIntPtr V = reinterpret_cast<VstIntPtr>(valueBuffer);

std::string shown(bool b) { return b ? "true" : "false"; }
std::string shown(const VstKeyCode& key) {
    return "{" + std::to_string(key.character) + "," + std::to_string(key.virt) + "," +
           std::to_string(key.modifier) + "}";
}
template <typename T> std::string shown(T argument) {
    if constexpr (std::is_pointer_v<T>) {
        const void* address = argument;
        if (!address) return "null";
        if (address == ptrBuffer) return "ptr";
        if (address == valueBuffer) return "value";
        return "elsewhere";
    } else if constexpr (std::is_floating_point_v<T>) {
        std::ostringstream text;
        text << argument;
        return text.str();
    } else {
        return std::to_string(argument);
    }
}

// What the spies were asked, as "operation(arguments)" in call order.
struct Log {
    template <typename... A> void note(const char* operation, const A&... arguments) {
        std::string entry = std::string(operation) + "(";
        std::string separator;
        ((entry += separator + shown(arguments), separator = ","), ...);
        entries.push_back(entry + ")");
    }
    std::string joined() const {
        std::string all;
        for (const std::string& entry : entries) all += (all.empty() ? "" : " ") + entry;
        return all;
    }
    std::vector<std::string> entries;
};

// What the spy effect's operations answer.
struct Answers {
    bool flag;        // every bool operation
    VstInt32 integer; // every int32 operation
    VstIntPtr wide;   // vendorSpecific
};

// Overrides every operation an opcode could reach, the ones no opcode may
// reach included.
class SpyEffect : public AudioEffectX {
public:
    SpyEffect(Log& log, Answers answers)
        : AudioEffectX(nullptr, 1, 1), log(log), answers(answers) {}
    ~SpyEffect() override { log.note("~SpyEffect"); }
    void processReplacing(float**, float**, VstInt32) noexcept override {}

    // Base operations.
    void open() noexcept override { log.note("open"); }
    void close() noexcept override { log.note("close"); }
    void suspend() noexcept override { log.note("suspend"); }
    void resume() noexcept override { log.note("resume"); }
    void setSampleRate(float rate) noexcept override { log.note("setSampleRate", rate); }
    void setBlockSize(VstInt32 size) noexcept override { log.note("setBlockSize", size); }
    VstInt32 getProgram() noexcept override { return integer("getProgram"); }
    void setProgram(VstInt32 program) noexcept override { log.note("setProgram", program); }
    void setProgramName(char* name) noexcept override { log.note("setProgramName", name); }
    void getProgramName(char* name) noexcept override { log.note("getProgramName", name); }
    void getParameterLabel(VstInt32 index, char* text) noexcept override {
        log.note("getParameterLabel", index, text);
    }
    void getParameterDisplay(VstInt32 index, char* text) noexcept override {
        log.note("getParameterDisplay", index, text);
    }
    void getParameterName(VstInt32 index, char* text) noexcept override {
        log.note("getParameterName", index, text);
    }
    VstInt32 getChunk(void** data, bool isPreset) noexcept override {
        return integer("getChunk", data, isPreset);
    }
    VstInt32 setChunk(void* data, VstInt32 size, bool isPreset) noexcept override {
        return integer("setChunk", data, size, isPreset);
    }
    float getVu() noexcept override { return log.note("getVu"), 0.0f; }

    // Extended operations that opcodes reach.
    VstInt32 processEvents(VstEvents* events) noexcept override {
        return integer("processEvents", events);
    }
    bool canParameterBeAutomated(VstInt32 index) noexcept override {
        return flag("canParameterBeAutomated", index);
    }
    bool string2parameter(VstInt32 index, char* text) noexcept override {
        return flag("string2parameter", index, text);
    }
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) noexcept override {
        return flag("getProgramNameIndexed", category, index, text);
    }
    bool getInputProperties(VstInt32 index, VstPinProperties* properties) noexcept override {
        return flag("getInputProperties", index, properties);
    }
    bool getOutputProperties(VstInt32 index, VstPinProperties* properties) noexcept override {
        return flag("getOutputProperties", index, properties);
    }
    VstInt32 getPlugCategory() noexcept override { return integer("getPlugCategory"); }
    bool offlineNotify(VstAudioFile* files, VstInt32 count, bool start) noexcept override {
        return flag("offlineNotify", files, count, start);
    }
    bool offlinePrepare(VstOfflineTask* task, VstInt32 count) noexcept override {
        return flag("offlinePrepare", task, count);
    }
    bool offlineRun(VstOfflineTask* task, VstInt32 count) noexcept override {
        return flag("offlineRun", task, count);
    }
    bool processVariableIo(VstVariableIo* varIo) noexcept override {
        return flag("processVariableIo", varIo);
    }
    bool setSpeakerArrangement(VstSpeakerArrangement* input,
                               VstSpeakerArrangement* output) noexcept override {
        return flag("setSpeakerArrangement", input, output);
    }
    bool setBypass(bool on) noexcept override { return flag("setBypass", on); }
    bool getEffectName(char* name) noexcept override { return flag("getEffectName", name); }
    bool getVendorString(char* text) noexcept override { return flag("getVendorString", text); }
    bool getProductString(char* text) noexcept override { return flag("getProductString", text); }
    VstInt32 getVendorVersion() noexcept override { return integer("getVendorVersion"); }
    VstIntPtr vendorSpecific(VstInt32 index, VstIntPtr value, void* ptr,
                             float opt) noexcept override {
        log.note("vendorSpecific", index, value, ptr, opt);
        return answers.wide;
    }
    VstInt32 canDo(char* text) noexcept override { return integer("canDo", text); }
    VstInt32 getGetTailSize() noexcept override { return integer("getGetTailSize"); }
    bool getParameterProperties(VstInt32 index,
                                VstParameterProperties* properties) noexcept override {
        return flag("getParameterProperties", index, properties);
    }
    VstInt32 getVstVersion() noexcept override { return integer("getVstVersion"); }
    VstInt32 getMidiProgramName(VstInt32 channel, MidiProgramName* name) noexcept override {
        return integer("getMidiProgramName", channel, name);
    }
    VstInt32 getCurrentMidiProgram(VstInt32 channel, MidiProgramName* name) noexcept override {
        return integer("getCurrentMidiProgram", channel, name);
    }
    VstInt32 getMidiProgramCategory(VstInt32 channel,
                                    MidiProgramCategory* category) noexcept override {
        return integer("getMidiProgramCategory", channel, category);
    }
    bool hasMidiProgramsChanged(VstInt32 channel) noexcept override {
        return flag("hasMidiProgramsChanged", channel);
    }
    bool getMidiKeyName(VstInt32 channel, MidiKeyName* keyName) noexcept override {
        return flag("getMidiKeyName", channel, keyName);
    }
    bool beginSetProgram() noexcept override { return flag("beginSetProgram"); }
    bool endSetProgram() noexcept override { return flag("endSetProgram"); }
    bool getSpeakerArrangement(VstSpeakerArrangement** input,
                               VstSpeakerArrangement** output) noexcept override {
        return flag("getSpeakerArrangement", input, output);
    }
    VstInt32 getNextShellPlugin(char* name) noexcept override {
        return integer("getNextShellPlugin", name);
    }
    VstInt32 startProcess() noexcept override { return integer("startProcess"); }
    VstInt32 stopProcess() noexcept override { return integer("stopProcess"); }
    VstInt32 setTotalSampleToProcess(VstInt32 value) noexcept override {
        return integer("setTotalSampleToProcess", value);
    }
    bool setPanLaw(VstInt32 type, float value) noexcept override {
        return flag("setPanLaw", type, value);
    }
    VstInt32 beginLoadBank(VstPatchChunkInfo* info) noexcept override {
        return integer("beginLoadBank", info);
    }
    VstInt32 beginLoadProgram(VstPatchChunkInfo* info) noexcept override {
        return integer("beginLoadProgram", info);
    }
    bool setProcessPrecision(VstInt32 precision) noexcept override {
        return flag("setProcessPrecision", precision);
    }
    VstInt32 getNumMidiInputChannels() noexcept override {
        return integer("getNumMidiInputChannels");
    }
    VstInt32 getNumMidiOutputChannels() noexcept override {
        return integer("getNumMidiOutputChannels");
    }

    // Extended operations that no opcode reaches.
    VstInt32 getNumCategories() noexcept override { return integer("getNumCategories"); }
    bool copyProgram(VstInt32 destination) noexcept override {
        return flag("copyProgram", destination);
    }
    void inputConnected(VstInt32 index, bool state) noexcept override {
        log.note("inputConnected", index, state);
    }
    void outputConnected(VstInt32 index, bool state) noexcept override {
        log.note("outputConnected", index, state);
    }
    VstInt32 reportCurrentPosition() noexcept override { return integer("reportCurrentPosition"); }
    float* reportDestinationBuffer() noexcept override {
        return log.note("reportDestinationBuffer"), nullptr;
    }
    void setBlockSizeAndSampleRate(VstInt32 size, float rate) noexcept override {
        log.note("setBlockSizeAndSampleRate", size, rate);
    }
    bool getErrorText(char* text) noexcept override { return flag("getErrorText", text); }
    void* getIcon() noexcept override { return log.note("getIcon"), nullptr; }
    bool setViewPosition(VstInt32 x, VstInt32 y) noexcept override {
        return flag("setViewPosition", x, y);
    }
    VstInt32 fxIdle() noexcept override { return integer("fxIdle"); }
    bool keysRequired() noexcept override { return flag("keysRequired"); }

private:
    template <typename... A> bool flag(const char* operation, const A&... arguments) {
        log.note(operation, arguments...);
        return answers.flag;
    }
    template <typename... A> VstInt32 integer(const char* operation, const A&... arguments) {
        log.note(operation, arguments...);
        return answers.integer;
    }

    Log& log;
    Answers answers;
};

// Overrides every operation of the editor interface, the uncalled ones too.
class SpyEditor : public AEffEditor {
public:
    SpyEditor(AudioEffect* effect, Log& log, bool answer)
        : AEffEditor(effect), log(log), answer(answer) {}
    AudioEffect* getEffect() noexcept override { return log.note("editor.getEffect"), effect; }
    bool getRect(ERect** rect) noexcept override { return note("editor.getRect", rect); }
    bool open(void* window) noexcept override { return note("editor.open", window); }
    void close() noexcept override { log.note("editor.close"); }
    bool isOpen() noexcept override { return note("editor.isOpen"); }
    void idle() noexcept override { log.note("editor.idle"); }
    bool onKeyDown(VstKeyCode& key) noexcept override { return note("editor.onKeyDown", key); }
    bool onKeyUp(VstKeyCode& key) noexcept override { return note("editor.onKeyUp", key); }
    bool onWheel(float distance) noexcept override { return note("editor.onWheel", distance); }
    bool setKnobMode(VstInt32 mode) noexcept override { return note("editor.setKnobMode", mode); }

private:
    template <typename... A> bool note(const char* operation, const A&... arguments) {
        log.note(operation, arguments...);
        return answer;
    }
    Log& log;
    bool answer;
};

enum class Editor { None, AnsweringTrue, AnsweringFalse };

// One effect on the heap (effClose deletes it), driven through its record.
struct Driven {
    Driven(Log& log, Answers answers, Editor editor) : spy(new SpyEffect(log, answers)) {
        if (editor != Editor::None) {
            spy->setEditor(new SpyEditor(spy, log, editor == Editor::AnsweringTrue));
        }
    }
    ~Driven() { delete spy; }
    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
        AEffect* record = spy->getAeffect();
        const VstIntPtr answer = record->dispatcher(record, opcode, index, value, ptr, opt);
        if (opcode == effClose) spy = nullptr;
        return answer;
    }
    SpyEffect* spy;
};

// How the answer follows from what the spies answer.
enum class Answer {
    Zero,       // 0, whatever was reached
    Flag,       // the bool operation's answer as 1 or 0
    Integer,    // the int32 operation's answer, sign kept
    Wide,       // the pointer-sized answer unchanged
    Identify,   // the constant 'NvEf'
    Closed,     // the entry's own 1 for effClose
    EditorFlag, // the editor's bool as 1 or 0; 0 and nothing reached without an editor
    EditorZero, // 0; nothing reached without an editor
};

struct Row {
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    void* ptr;
    float opt;
    const char* reached;
    Answer answer;
};

// Values that only fit a pointer-sized integer where it is 64 bits wide;
// narrowed to int32 they are 512, 2 and 7 on every target.
const VstIntPtr wide512 = static_cast<VstIntPtr>(0x100000200LL);
const VstIntPtr wide2 = static_cast<VstIntPtr>(0x100000002LL);
const VstIntPtr wide7 = static_cast<VstIntPtr>(0x100000007LL);

const std::vector<Row>& rows() {
    using A = Answer;
    // clang-format off
    static const std::vector<Row> table = {
        // opcode, index, value, ptr, opt -> reached, answer
        {effOpen, 0, 0, nullptr, 0, "open()", A::Zero},
        {effClose, 0, 0, nullptr, 0, "close() ~SpyEffect()", A::Closed},
        {effSetProgram, 0, 0, nullptr, 0, "setProgram(0)", A::Zero},
        {effSetProgram, 0, 1, nullptr, 0, "", A::Zero},
        {effSetProgram, 0, -1, nullptr, 0, "setProgram(-1)", A::Zero},
        {effGetProgram, 0, 0, nullptr, 0, "getProgram()", A::Integer},
        {effSetProgramName, 5, 3, P, 0, "setProgramName(ptr)", A::Zero},
        {effGetProgramName, 5, 3, P, 0, "getProgramName(ptr)", A::Zero},
        {effGetParamLabel, 5, 3, P, 0, "getParameterLabel(5,ptr)", A::Zero},
        {effGetParamDisplay, 5, 3, P, 0, "getParameterDisplay(5,ptr)", A::Zero},
        {effGetParamName, 5, 3, P, 0, "getParameterName(5,ptr)", A::Zero},
        {effGetVu, 5, 3, P, 0.5f, "", A::Zero},
        {effSetSampleRate, 3, 9, P, 48000.5f, "setSampleRate(48000.5)", A::Zero},
        {effSetBlockSize, 3, wide512, P, 0.5f, "setBlockSize(512)", A::Zero},
        {effMainsChanged, 0, 2, nullptr, 0, "resume()", A::Zero},
        {effMainsChanged, 0, -1, nullptr, 0, "resume()", A::Zero},
        {effMainsChanged, 5, 0, P, 0.5f, "suspend()", A::Zero},
        {effEditGetRect, 5, 3, P, 0.5f, "editor.getRect(ptr)", A::EditorFlag},
        {effEditOpen, 5, 3, P, 0.5f, "editor.open(ptr)", A::EditorFlag},
        {effEditOpen, 0, 0, nullptr, 0, "editor.open(null)", A::EditorFlag},
        {effEditClose, 5, 3, P, 0.5f, "editor.close()", A::EditorZero},
        {effEditDraw, 5, 3, P, 0.5f, "", A::Zero},
        {effEditMouse, 5, 3, P, 0.5f, "", A::Zero},
        {effEditKey, 5, 3, P, 0.5f, "", A::Zero},
        {effEditIdle, 5, 3, P, 0.5f, "editor.idle()", A::EditorZero},
        {effEditTop, 5, 3, P, 0.5f, "", A::Zero},
        {effEditSleep, 5, 3, P, 0.5f, "", A::Zero},
        {effIdentify, 0, 0, nullptr, 0, "", A::Identify},
        {effIdentify, -4, V, P, 1.5f, "", A::Identify},
        {effGetChunk, 0, 3, P, 0.5f, "getChunk(ptr,false)", A::Integer},
        {effGetChunk, 5, 3, P, 0.5f, "getChunk(ptr,true)", A::Integer},
        {effSetChunk, 0, 100, P, 0.5f, "setChunk(ptr,100,false)", A::Integer},
        {effSetChunk, -1, -7, P, 0.5f, "setChunk(ptr,-7,true)", A::Integer},
        {effProcessEvents, 5, 3, P, 0.5f, "processEvents(ptr)", A::Integer},
        {effCanBeAutomated, -3, 3, P, 0.5f, "canParameterBeAutomated(-3)", A::Flag},
        {effString2Parameter, 5, 3, P, 0.5f, "string2parameter(5,ptr)", A::Flag},
        {effGetNumProgramCategories, 5, 3, P, 0.5f, "", A::Zero},
        {effGetProgramNameIndexed, 5, 3, P, 0.5f, "getProgramNameIndexed(3,5,ptr)", A::Flag},
        {effCopyProgram, 5, 3, P, 0.5f, "", A::Zero},
        {effConnectInput, 5, 3, P, 0.5f, "", A::Zero},
        {effConnectOutput, 5, 3, P, 0.5f, "", A::Zero},
        {effGetInputProperties, 5, 3, P, 0.5f, "getInputProperties(5,ptr)", A::Flag},
        {effGetOutputProperties, 5, 3, P, 0.5f, "getOutputProperties(5,ptr)", A::Flag},
        {effGetPlugCategory, 5, 3, P, 0.5f, "getPlugCategory()", A::Integer},
        {effGetCurrentPosition, 5, 3, P, 0.5f, "", A::Zero},
        {effGetDestinationBuffer, 5, 3, P, 0.5f, "", A::Zero},
        {effOfflineNotify, 7, 2, P, 0.5f, "offlineNotify(ptr,2,true)", A::Flag},
        {effOfflineNotify, 0, 2, P, 0.5f, "offlineNotify(ptr,2,false)", A::Flag},
        {effOfflinePrepare, 5, 4, P, 0.5f, "offlinePrepare(ptr,4)", A::Flag},
        {effOfflineRun, 5, 4, P, 0.5f, "offlineRun(ptr,4)", A::Flag},
        {effProcessVarIo, 5, 3, P, 0.5f, "processVariableIo(ptr)", A::Flag},
        {effSetSpeakerArrangement, 5, V, P, 0.5f, "setSpeakerArrangement(value,ptr)", A::Flag},
        {effSetBlockSizeAndSampleRate, 512, 512, P, 48000, "", A::Zero},
        {effSetBypass, 5, 2, P, 0.5f, "setBypass(true)", A::Flag},
        {effSetBypass, 5, 0, P, 0.5f, "setBypass(false)", A::Flag},
        {effGetEffectName, 5, 3, P, 0.5f, "getEffectName(ptr)", A::Flag},
        {effGetErrorText, 5, 3, P, 0.5f, "", A::Zero},
        {effGetVendorString, 5, 3, P, 0.5f, "getVendorString(ptr)", A::Flag},
        {effGetProductString, 5, 3, P, 0.5f, "getProductString(ptr)", A::Flag},
        {effGetVendorVersion, 5, 3, P, 0.5f, "getVendorVersion()", A::Integer},
        {effVendorSpecific, -2, -9, P, 0.5f, "vendorSpecific(-2,-9,ptr,0.5)", A::Wide},
        {effCanDo, 5, 3, P, 0.5f, "canDo(ptr)", A::Integer},
        {effGetTailSize, 5, 3, P, 0.5f, "getGetTailSize()", A::Integer},
        {effIdle, 5, 3, P, 0.5f, "", A::Zero},
        {effGetIcon, 5, 3, P, 0.5f, "", A::Zero},
        {effSetViewPosition, 5, 3, P, 0.5f, "", A::Zero},
        {effGetParameterProperties, 5, 3, P, 0.5f, "getParameterProperties(5,ptr)", A::Flag},
        {effKeysRequired, 5, 3, P, 0.5f, "", A::Zero},
        {effGetVstVersion, 5, 3, P, 0.5f, "getVstVersion()", A::Integer},
        {effEditKeyDown, 65, 0x1FF, P, 2.9f, "editor.onKeyDown({65,255,2})", A::EditorFlag},
        {effEditKeyUp, 65, 0x1FF, P, 2.9f, "editor.onKeyUp({65,255,2})", A::EditorFlag},
        {effSetEditKnobMode, 5, wide2, P, 0.5f, "editor.setKnobMode(2)", A::EditorFlag},
        {effGetMidiProgramName, 5, 3, P, 0.5f, "getMidiProgramName(5,ptr)", A::Integer},
        {effGetCurrentMidiProgram, 5, 3, P, 0.5f, "getCurrentMidiProgram(5,ptr)", A::Integer},
        {effGetMidiProgramCategory, 5, 3, P, 0.5f, "getMidiProgramCategory(5,ptr)", A::Integer},
        {effHasMidiProgramsChanged, 5, 3, P, 0.5f, "hasMidiProgramsChanged(5)", A::Flag},
        {effGetMidiKeyName, 5, 3, P, 0.5f, "getMidiKeyName(5,ptr)", A::Flag},
        {effBeginSetProgram, 5, 3, P, 0.5f, "beginSetProgram()", A::Flag},
        {effEndSetProgram, 5, 3, P, 0.5f, "endSetProgram()", A::Flag},
        {effGetSpeakerArrangement, 5, V, P, 0.5f, "getSpeakerArrangement(value,ptr)", A::Flag},
        {effShellGetNextPlugin, 5, 3, P, 0.5f, "getNextShellPlugin(ptr)", A::Integer},
        {effStartProcess, 5, 3, P, 0.5f, "startProcess()", A::Integer},
        {effStopProcess, 5, 3, P, 0.5f, "stopProcess()", A::Integer},
        {effSetTotalSampleToProcess, 5, wide7, P, 0.5f, "setTotalSampleToProcess(7)", A::Integer},
        {effSetPanLaw, 5, 2, P, 0.75f, "setPanLaw(2,0.75)", A::Flag},
        {effBeginLoadBank, 5, 3, P, 0.5f, "beginLoadBank(ptr)", A::Integer},
        {effBeginLoadProgram, 5, 3, P, 0.5f, "beginLoadProgram(ptr)", A::Integer},
        {effSetProcessPrecision, 5, 1, P, 0.5f, "setProcessPrecision(1)", A::Flag},
        {effGetNumMidiInputChannels, 5, 3, P, 0.5f, "getNumMidiInputChannels()", A::Integer},
        {effGetNumMidiOutputChannels, 5, 3, P, 0.5f, "getNumMidiOutputChannels()", A::Integer},
        {80, 5, 3, P, 0.5f, "", A::Zero},
        {1000, 5, 3, P, 0.5f, "", A::Zero},
        {-1, 5, 3, P, 0.5f, "", A::Zero},
    };
    // clang-format on
    return table;
}

struct Scenario {
    const char* name;
    Editor editor;
    Answers answers;
};

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

class DispatcherTable : public ::testing::TestWithParam<Scenario> {};

TEST_P(DispatcherTable, EachOpcodeReachesItsOperationAndConvertsTheAnswer) {
    const Scenario& scenario = GetParam();
    const bool hasEditor = scenario.editor != Editor::None;
    const bool editorAnswer = scenario.editor == Editor::AnsweringTrue;
    for (const Row& row : rows()) {
        SCOPED_TRACE(testing::Message() << "opcode " << row.opcode << " index " << row.index
                                        << " value " << row.value << " opt " << row.opt);
        const bool editorRow = row.answer == Answer::EditorFlag || row.answer == Answer::EditorZero;
        VstIntPtr expected = 0;
        switch (row.answer) {
        case Answer::Zero:
        case Answer::EditorZero: expected = 0; break;
        case Answer::Flag: expected = scenario.answers.flag ? 1 : 0; break;
        case Answer::Integer: expected = scenario.answers.integer; break;
        case Answer::Wide: expected = scenario.answers.wide; break;
        case Answer::Identify: expected = 0x4E764566; break;
        case Answer::Closed: expected = 1; break;
        case Answer::EditorFlag: expected = hasEditor && editorAnswer ? 1 : 0; break;
        }
        Log log;
        Driven driven(log, scenario.answers, scenario.editor);

        EXPECT_EQ(driven.dispatch(row.opcode, row.index, row.value, row.ptr, row.opt), expected);
        EXPECT_EQ(log.joined(), editorRow && !hasEditor ? "" : row.reached);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Spies, DispatcherTable,
    ::testing::Values(
        Scenario{"NoEditorNegativeAnswers", Editor::None, {true, -7, INTPTR_MIN + 3}},
        Scenario{"NoEditorLargeAnswers", Editor::None, {false, INT32_MAX, INTPTR_MAX - 1}},
        Scenario{"EditorAnsweringTrue", Editor::AnsweringTrue, {true, INT32_MIN, INTPTR_MIN + 3}},
        Scenario{"EditorAnsweringFalse", Editor::AnsweringFalse, {false, -7, INTPTR_MAX - 1}}),
    [](const testing::TestParamInfo<Scenario>& info) { return std::string(info.param.name); });

// A host's null buffer or place: the dispatcher answers 0 and reaches nothing.
TEST(DispatcherTest, NullPointerWithATextChunkOrRecordOpcodeReachesNothing) {
    const struct {
        VstInt32 opcode;
        VstIntPtr value;
        void* ptr;
    } cases[] = {
        {effSetProgramName, 0, nullptr},
        {effGetProgramName, 0, nullptr},
        {effGetParamLabel, 0, nullptr},
        {effGetParamDisplay, 0, nullptr},
        {effGetParamName, 0, nullptr},
        {effEditGetRect, 0, nullptr},
        {effGetChunk, 0, nullptr},
        {effSetChunk, 100, nullptr},
        {effProcessEvents, 0, nullptr},
        {effString2Parameter, 0, nullptr},
        {effGetProgramNameIndexed, 0, nullptr},
        {effGetInputProperties, 0, nullptr},
        {effGetOutputProperties, 0, nullptr},
        {effOfflineNotify, 1, nullptr},
        {effOfflinePrepare, 1, nullptr},
        {effOfflineRun, 1, nullptr},
        {effProcessVarIo, 0, nullptr},
        {effSetSpeakerArrangement, V, nullptr},
        {effSetSpeakerArrangement, 0, P},
        {effGetEffectName, 0, nullptr},
        {effGetVendorString, 0, nullptr},
        {effGetProductString, 0, nullptr},
        {effCanDo, 0, nullptr},
        {effGetParameterProperties, 0, nullptr},
        {effGetMidiProgramName, 0, nullptr},
        {effGetCurrentMidiProgram, 0, nullptr},
        {effGetMidiProgramCategory, 0, nullptr},
        {effGetMidiKeyName, 0, nullptr},
        {effGetSpeakerArrangement, V, nullptr},
        {effGetSpeakerArrangement, 0, P},
        {effShellGetNextPlugin, 0, nullptr},
        {effBeginLoadBank, 0, nullptr},
        {effBeginLoadProgram, 0, nullptr},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(testing::Message() << "opcode " << row.opcode);
        Log log;
        Driven driven(log, {true, -7, -7}, Editor::AnsweringTrue);
        EXPECT_EQ(driven.dispatch(row.opcode, 1, row.value, row.ptr, 0.0f), 0);
        EXPECT_EQ(log.joined(), "");
    }
}

TEST(DispatcherTest, KeyCodeIsBuiltFromIndexValueAndOpt) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    const struct {
        VstInt32 index;
        VstIntPtr value;
        float opt;
        const char* key;
    } cases[] = {
        {65, 0x1FF, 2.9f, "{65,255,2}"},
        {-5, -1, -1.0f, "{-5,255,255}"},
        {0, 0x100, 0.99f, "{0,0,0}"},
        {0, static_cast<VstIntPtr>(0x100000041LL), -2.9f, "{0,65,254}"},
        {0, 0, -0.5f, "{0,0,0}"},
        {0, 0, 300.7f, "{0,0,44}"},
        {0, 0, 2147483520.0f, "{0,0,128}"},
        {0, 0, -2147483648.0f, "{0,0,0}"},
        // No int32 holds these: the modifier is 0.
        {0, 0, 3.0e9f, "{0,0,0}"},
        {0, 0, -3.0e9f, "{0,0,0}"},
        {0, 0, infinity, "{0,0,0}"},
        {0, 0, -infinity, "{0,0,0}"},
        {0, 0, nan, "{0,0,0}"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(testing::Message() << "opt " << row.opt);
        Log log;
        Driven driven(log, {true, 0, 0}, Editor::AnsweringTrue);
        EXPECT_EQ(driven.dispatch(effEditKeyDown, row.index, row.value, nullptr, row.opt), 1);
        EXPECT_EQ(log.joined(), std::string("editor.onKeyDown(") + row.key + ")");
    }
}

class FreshEffect : public AudioEffectX {
public:
    FreshEffect() : AudioEffectX(nullptr, 1, 1) {}
    void processReplacing(float**, float**, VstInt32) noexcept override {}
    using AudioEffect::cEffect;
};

// A fresh extended effect as a host sees it through the record.
TEST(DispatcherTest, FreshEffectDefaultsAsTheHostSeesThem) {
    const struct {
        VstInt32 opcode;
        VstInt32 index;
        VstIntPtr value;
        VstIntPtr answer;
        const char* textAfter; // the host's buffer "xyz" afterwards
    } cases[] = {
        {effGetVstVersion, 0, 0, 2400, "xyz"},
        {effGetCurrentMidiProgram, 0, 0, -1, "xyz"},
        {effGetNumProgramCategories, 0, 0, 0, "xyz"},
        {effCanBeAutomated, -1, 0, 1, "xyz"},
        {effGetPlugCategory, 0, 0, 0, "xyz"},
        {effSetTotalSampleToProcess, 0, 44100, 44100, "xyz"},
        {effSetTotalSampleToProcess, 0, -5, -5, "xyz"},
        {effIdentify, 0, 0, 0x4E764566, "xyz"},
        {effGetProgram, 0, 0, 0, "xyz"},
        {effGetEffectName, 0, 0, 0, "xyz"},
        {effGetVendorString, 0, 0, 0, "xyz"},
        {effGetProductString, 0, 0, 0, "xyz"},
        {effGetErrorText, 0, 0, 0, "xyz"},
        {effString2Parameter, 0, 0, 0, "xyz"},
        {effGetProgramNameIndexed, 0, 0, 0, "xyz"},
        {effShellGetNextPlugin, 0, 0, 0, "xyz"},
        {effCanDo, 0, 0, 0, "xyz"},
        {effGetProgramName, 0, 0, 0, ""},
        {effGetParamLabel, 0, 0, 0, ""},
        {effGetParamDisplay, 0, 0, 0, ""},
        {effGetParamName, 0, 0, 0, ""},
        {effGetChunk, 0, 0, 0, "xyz"},
        {effGetVendorVersion, 0, 0, 0, "xyz"},
        {effGetTailSize, 0, 0, 0, "xyz"},
        {effEditGetRect, 0, 0, 0, "xyz"},
        {effEditOpen, 0, 0, 0, "xyz"},
        {effEditKeyDown, 65, 0, 0, "xyz"},
        {effSetEditKnobMode, 0, 1, 0, "xyz"},
        {effGetNumMidiInputChannels, 0, 0, 0, "xyz"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(testing::Message() << "opcode " << row.opcode);
        FreshEffect effect;
        char text[64] = "xyz";
        AEffect* record = effect.getAeffect();
        const VstIntPtr answer =
            record->dispatcher(record, row.opcode, row.index, row.value, text, 0.0f);
        EXPECT_EQ(answer, row.answer);
        EXPECT_STREQ(text, row.textAfter);
    }
}

TEST(DispatcherTest, CurrentMidiProgramIsAFullPointerSizedMinusOne) {
    FreshEffect effect;
    char record[64] = {};
    AEffect* aeffect = effect.getAeffect();
    const VstIntPtr answer =
        aeffect->dispatcher(aeffect, effGetCurrentMidiProgram, 3, 0, record, 0.0f);
    EXPECT_EQ(static_cast<std::uintptr_t>(answer), std::numeric_limits<std::uintptr_t>::max());
}

TEST(DispatcherTest, HostSettingsReachTheFreshObject) {
    FreshEffect effect;
    AEffect* record = effect.getAeffect();
    auto dispatch = [record](VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                             float opt) {
        return record->dispatcher(record, opcode, index, value, ptr, opt);
    };
    EXPECT_EQ(dispatch(effSetSampleRate, 3, 9, nullptr, 48000.5f), 0);
    EXPECT_EQ(effect.getSampleRate(), 48000.5f);
    EXPECT_EQ(dispatch(effSetBlockSize, 0, 512, nullptr, 0.0f), 0);
    EXPECT_EQ(effect.getBlockSize(), 512);
    // Only the upper bound is tested: with one program, 1 is refused and -1 taken.
    EXPECT_EQ(dispatch(effSetProgram, 0, 1, nullptr, 0.0f), 0);
    EXPECT_EQ(dispatch(effGetProgram, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ(dispatch(effSetProgram, 0, -1, nullptr, 0.0f), 0);
    EXPECT_EQ(dispatch(effGetProgram, 0, 0, nullptr, 0.0f), -1);
    // The twelve opcodes left to the base table never reach their operations.
    EXPECT_EQ(dispatch(effSetBlockSizeAndSampleRate, 0, 256, nullptr, 96000.0f), 0);
    EXPECT_EQ(effect.getBlockSize(), 512);
    EXPECT_EQ(effect.getSampleRate(), 48000.5f);

    effect.isSynth(true);
    EXPECT_EQ(dispatch(effGetPlugCategory, 0, 0, nullptr, 0.0f), kPlugCategSynth);

    VstSpeakerArrangement held{};
    VstSpeakerArrangement* input = &held;
    VstSpeakerArrangement* output = &held;
    EXPECT_EQ(
        dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&input), &output, 0.0f),
        0);
    EXPECT_EQ(input, nullptr);
    EXPECT_EQ(output, nullptr);
}

TEST(DispatcherTest, CloseThroughTheObjectAnswersZeroAndKeepsIt) {
    FreshEffect effect;
    EXPECT_EQ(effect.dispatcher(effClose, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ(effect.cEffect.magic, kEffectMagic);
}
} // namespace
