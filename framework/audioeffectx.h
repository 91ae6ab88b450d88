// The base class for effects of the extended contract: further operations
// with neutral defaults, the extended host services and the speaker
// arrangement helpers.
#pragma once

#include "audioeffect.h"
#include "opcodes.h"
#include "speakers.h"
#include "vstrecords.h"

class AudioEffectX : public AudioEffect {
public:
    AudioEffectX(audioMasterCallback audioMaster, VstInt32 numPrograms,
                 VstInt32 numParams) noexcept;
    ~AudioEffectX() override;

    VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                         float opt) noexcept override;
    void resume() noexcept override;

    // ---- Parameters and editing ----
    virtual bool canParameterBeAutomated(VstInt32 /*index*/) noexcept { return true; }
    virtual bool string2parameter(VstInt32 /*index*/, char* /*text*/) noexcept { return false; }
    virtual bool getParameterProperties(VstInt32 /*index*/,
                                        VstParameterProperties* /*properties*/) noexcept {
        return false;
    }
    virtual bool beginEdit(VstInt32 index) noexcept;
    virtual bool endEdit(VstInt32 index) noexcept;

    // ---- Programs and banks ----
    virtual bool getProgramNameIndexed(VstInt32 /*category*/, VstInt32 /*index*/,
                                       char* /*text*/) noexcept {
        return false;
    }
    virtual bool beginSetProgram() noexcept { return false; }
    virtual bool endSetProgram() noexcept { return false; }
    virtual VstInt32 beginLoadBank(VstPatchChunkInfo* /*info*/) noexcept { return 0; }
    virtual VstInt32 beginLoadProgram(VstPatchChunkInfo* /*info*/) noexcept { return 0; }

    // ---- Host audio settings ----
    virtual bool ioChanged() noexcept;
    virtual double updateSampleRate() noexcept;
    virtual VstInt32 updateBlockSize() noexcept;
    virtual VstInt32 getInputLatency() noexcept;
    virtual VstInt32 getOutputLatency() noexcept;

    // ---- Pins, speakers and processing options ----
    virtual bool getInputProperties(VstInt32 /*index*/, VstPinProperties* /*properties*/) noexcept {
        return false;
    }
    virtual bool getOutputProperties(VstInt32 /*index*/,
                                     VstPinProperties* /*properties*/) noexcept {
        return false;
    }
    virtual bool setSpeakerArrangement(VstSpeakerArrangement* /*pluginInput*/,
                                       VstSpeakerArrangement* /*pluginOutput*/) noexcept {
        return false;
    }
    virtual bool getSpeakerArrangement(VstSpeakerArrangement** pluginInput,
                                       VstSpeakerArrangement** pluginOutput) noexcept {
        *pluginInput = nullptr;
        *pluginOutput = nullptr;
        return false;
    }
    virtual bool setBypass(bool /*onOff*/) noexcept { return false; }
    virtual bool setPanLaw(VstInt32 /*type*/, float /*value*/) noexcept { return false; }
    virtual bool setProcessPrecision(VstInt32 /*precision*/) noexcept { return false; }
    virtual VstInt32 getNumMidiInputChannels() noexcept { return 0; }
    virtual VstInt32 getNumMidiOutputChannels() noexcept { return 0; }

    // ---- Host time and state ----
    virtual VstTimeInfo* getTimeInfo(VstInt32 filter) noexcept;
    virtual VstInt32 getCurrentProcessLevel() noexcept;
    virtual VstInt32 getAutomationState() noexcept;

    // ---- Processing ----
    virtual VstInt32 processEvents(VstEvents* /*events*/) noexcept { return 0; }
    virtual VstInt32 startProcess() noexcept { return 0; }
    virtual VstInt32 stopProcess() noexcept { return 0; }
    virtual bool processVariableIo(VstVariableIo* /*varIo*/) noexcept { return false; }
    virtual VstInt32 setTotalSampleToProcess(VstInt32 value) noexcept { return value; }

    // ---- Host identity ----
    virtual bool getHostVendorString(char* text) noexcept;
    virtual bool getHostProductString(char* text) noexcept;
    virtual VstInt32 getHostVendorVersion() noexcept;
    virtual VstIntPtr hostVendorSpecific(VstInt32 lArg, VstIntPtr lArg2, void* ptrArg,
                                         float floatArg) noexcept;
    virtual VstInt32 canHostDo(char* text) noexcept;
    virtual VstInt32 getHostLanguage() noexcept;

    // ---- Flags, tail and directory ----
    virtual void isSynth(bool state) noexcept { setFlag(effFlagsIsSynth, state); }
    virtual void noTail(bool state) noexcept { setFlag(effFlagsNoSoundInStop, state); }
    virtual VstInt32 getGetTailSize() noexcept { return 0; }
    virtual void* getDirectory() noexcept;

    // ---- Names, versions and capabilities ----
    virtual bool getEffectName(char* /*name*/) noexcept { return false; }
    virtual bool getVendorString(char* /*text*/) noexcept { return false; }
    virtual bool getProductString(char* /*text*/) noexcept { return false; }
    virtual VstInt32 getVendorVersion() noexcept { return 0; }
    virtual VstIntPtr vendorSpecific(VstInt32 /*lArg*/, VstIntPtr /*lArg2*/, void* /*ptrArg*/,
                                     float /*floatArg*/) noexcept {
        return 0;
    }
    virtual VstInt32 canDo(char* /*text*/) noexcept { return 0; }
    virtual VstInt32 getVstVersion() noexcept { return kVstVersion; }
    virtual VstInt32 getPlugCategory() noexcept {
        return (cEffect.flags & effFlagsIsSynth) ? kPlugCategSynth : kPlugCategUnknown;
    }

    // ---- MIDI programs ----
    virtual VstInt32 getMidiProgramName(VstInt32 /*channel*/,
                                        MidiProgramName* /*midiProgramName*/) noexcept {
        return 0;
    }
    virtual VstInt32 getCurrentMidiProgram(VstInt32 /*channel*/,
                                           MidiProgramName* /*currentProgram*/) noexcept {
        return -1;
    }
    virtual VstInt32 getMidiProgramCategory(VstInt32 /*channel*/,
                                            MidiProgramCategory* /*category*/) noexcept {
        return 0;
    }
    virtual bool hasMidiProgramsChanged(VstInt32 /*channel*/) noexcept { return false; }
    virtual bool getMidiKeyName(VstInt32 /*channel*/, MidiKeyName* /*keyName*/) noexcept {
        return false;
    }

    // ---- Host display and files ----
    virtual bool updateDisplay() noexcept;
    virtual bool sizeWindow(VstInt32 width, VstInt32 height) noexcept;
    virtual bool openFileSelector(void* fileSelect) noexcept;
    virtual bool closeFileSelector(void* fileSelect) noexcept;

    // ---- Shell ----
    virtual VstInt32 getNextShellPlugin(char* /*name*/) noexcept { return 0; }

    // ---- Speaker arrangements ----
    virtual bool allocateArrangement(VstSpeakerArrangement** arrangement,
                                     VstInt32 nbChannels) noexcept;
    virtual bool deallocateArrangement(VstSpeakerArrangement** arrangement) noexcept;
    virtual bool copySpeaker(VstSpeakerProperties* to, VstSpeakerProperties* from) noexcept;
    virtual bool matchArrangement(VstSpeakerArrangement** to, VstSpeakerArrangement* from) noexcept;

    // ---- Offline processing ----
    virtual bool offlineRead(VstOfflineTask* offline, VstInt32 option, bool readSource) noexcept;
    virtual bool offlineWrite(VstOfflineTask* offline, VstInt32 option) noexcept;
    virtual bool offlineStart(VstAudioFile* ptr, VstInt32 numAudioFiles,
                              VstInt32 numNewAudioFiles) noexcept;
    virtual VstInt32 offlineGetCurrentPass() noexcept;
    virtual VstInt32 offlineGetCurrentMetaPass() noexcept;
    virtual bool offlineNotify(VstAudioFile* /*ptr*/, VstInt32 /*numAudioFiles*/,
                               bool /*start*/) noexcept {
        return false;
    }
    virtual bool offlinePrepare(VstOfflineTask* /*offline*/, VstInt32 /*count*/) noexcept {
        return false;
    }
    virtual bool offlineRun(VstOfflineTask* /*offline*/, VstInt32 /*count*/) noexcept {
        return false;
    }
    virtual VstInt32 offlineGetNumPasses() noexcept { return 0; }
    virtual VstInt32 offlineGetNumMetaPasses() noexcept { return 0; }

    // ---- Further operations, reached by no opcode ----
    virtual void wantEvents(VstInt32 filter) noexcept;
    virtual VstInt32 tempoAt(VstInt32 pos) noexcept;
    virtual VstInt32 getNumAutomatableParameters() noexcept;
    virtual VstInt32 getParameterQuantization() noexcept;
    virtual VstInt32 getNumCategories() noexcept { return 1; }
    virtual bool copyProgram(VstInt32 /*destination*/) noexcept { return false; }
    virtual bool needIdle() noexcept;
    virtual AEffect* getPreviousPlug(VstInt32 input) noexcept;
    virtual AEffect* getNextPlug(VstInt32 output) noexcept;
    virtual void inputConnected(VstInt32 /*index*/, bool /*state*/) noexcept {}
    virtual void outputConnected(VstInt32 /*index*/, bool /*state*/) noexcept {}
    virtual VstInt32 willProcessReplacing() noexcept;
    virtual void wantAsyncOperation(bool state) noexcept { setFlag(effFlagsExtIsAsync, state); }
    virtual void hasExternalBuffer(bool state) noexcept { setFlag(effFlagsExtHasBuffer, state); }
    virtual VstInt32 reportCurrentPosition() noexcept { return 0; }
    virtual float* reportDestinationBuffer() noexcept { return nullptr; }
    virtual void setOutputSamplerate(float samplerate) noexcept;
    virtual VstSpeakerArrangement* getInputSpeakerArrangement() noexcept;
    virtual VstSpeakerArrangement* getOutputSpeakerArrangement() noexcept;
    virtual void* openWindow(void* window) noexcept;
    virtual bool closeWindow(void* window) noexcept;
    virtual void setBlockSizeAndSampleRate(VstInt32 size, float rate) noexcept {
        blockSize = size;
        sampleRate = rate;
    }
    virtual bool getErrorText(char* /*text*/) noexcept { return false; }
    virtual void* getIcon() noexcept { return nullptr; }
    virtual bool setViewPosition(VstInt32 /*x*/, VstInt32 /*y*/) noexcept { return false; }
    virtual VstInt32 fxIdle() noexcept { return 0; }
    virtual bool keysRequired() noexcept { return false; }
    virtual bool getChunkFile(void* nativePath) noexcept;

    // Sends events to the host; true only when the host answers 1.
    bool sendVstEventsToHost(VstEvents* events) noexcept;
};

// Capabilities an effect may ask the host about with canHostDo.
namespace hostCapabilityTexts {
constexpr const char* sendVstEvents = "sendVstEvents";
constexpr const char* sendVstMidiEvent = "sendVstMidiEvent";
constexpr const char* sendVstTimeInfo = "sendVstTimeInfo";
constexpr const char* receiveVstEvents = "receiveVstEvents";
constexpr const char* receiveVstMidiEvent = "receiveVstMidiEvent";
constexpr const char* reportConnectionChanges = "reportConnectionChanges";
constexpr const char* acceptIOChanges = "acceptIOChanges";
constexpr const char* sizeWindow = "sizeWindow";
constexpr const char* offline = "offline";
constexpr const char* openFileSelector = "openFileSelector";
constexpr const char* closeFileSelector = "closeFileSelector";
constexpr const char* startStopProcess = "startStopProcess";
constexpr const char* shellCategory = "shellCategory";
constexpr const char* sendVstMidiEventFlagIsRealtime = "sendVstMidiEventFlagIsRealtime";
} // namespace hostCapabilityTexts

// Capabilities the host may ask an effect about through canDo.
namespace pluginCapabilityTexts {
constexpr const char* sendVstEvents = "sendVstEvents";
constexpr const char* sendVstMidiEvent = "sendVstMidiEvent";
constexpr const char* receiveVstEvents = "receiveVstEvents";
constexpr const char* receiveVstMidiEvent = "receiveVstMidiEvent";
constexpr const char* receiveVstTimeInfo = "receiveVstTimeInfo";
constexpr const char* offline = "offline";
constexpr const char* midiProgramNames = "midiProgramNames";
constexpr const char* bypass = "bypass";
} // namespace pluginCapabilityTexts
