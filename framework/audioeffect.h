// The root of the effect classes: one object is one plug-in instance as the
// host sees it. It owns the record the host drives, the host callback, the
// editor, the sample rate and block size, and the basic host services.
#pragma once

#include "aeffect.h"
#include "aeffeditor.h"

class AudioEffect {
public:
    AudioEffect(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams) noexcept;
    virtual ~AudioEffect();

    // ---- Host requests ----
    virtual VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                 float opt) noexcept;
    virtual void open() noexcept {}
    virtual void close() noexcept {}
    virtual void suspend() noexcept {}
    virtual void resume() noexcept {}

    // ---- Audio settings and processing ----
    virtual void setSampleRate(float rate) noexcept { sampleRate = rate; }
    virtual void setBlockSize(VstInt32 size) noexcept { blockSize = size; }
    virtual void processReplacing(float** inputs, float** outputs,
                                  VstInt32 sampleFrames) noexcept = 0;
    virtual void processDoubleReplacing(double** /*inputs*/, double** /*outputs*/,
                                        VstInt32 /*sampleFrames*/) noexcept {}

    // ---- Parameters and programs ----
    virtual void setParameter(VstInt32 /*index*/, float /*value*/) noexcept {}
    virtual float getParameter(VstInt32 /*index*/) noexcept { return 0.0f; }
    virtual void setParameterAutomated(VstInt32 index, float value) noexcept;
    virtual VstInt32 getProgram() noexcept { return curProgram; }
    virtual void setProgram(VstInt32 program) noexcept { curProgram = program; }
    virtual void setProgramName(char* /*name*/) noexcept {}
    virtual void getProgramName(char* name) noexcept { *name = 0; }
    virtual void getParameterLabel(VstInt32 /*index*/, char* label) noexcept { *label = 0; }
    virtual void getParameterDisplay(VstInt32 /*index*/, char* text) noexcept { *text = 0; }
    virtual void getParameterName(VstInt32 /*index*/, char* text) noexcept { *text = 0; }
    virtual VstInt32 getChunk(void** /*data*/, bool /*isPreset*/) noexcept { return 0; }
    virtual VstInt32 setChunk(void* /*data*/, VstInt32 /*byteSize*/, bool /*isPreset*/) noexcept {
        return 0;
    }

    // ---- Record fields and flags ----
    virtual void setUniqueID(VstInt32 id) noexcept { cEffect.uniqueID = id; }
    virtual void setNumInputs(VstInt32 inputs) noexcept { cEffect.numInputs = inputs; }
    virtual void setNumOutputs(VstInt32 outputs) noexcept { cEffect.numOutputs = outputs; }
    virtual void canProcessReplacing(bool state) noexcept { setFlag(effFlagsCanReplacing, state); }
    virtual void canDoubleReplacing(bool state) noexcept {
        setFlag(effFlagsCanDoubleReplacing, state);
    }
    virtual void programsAreChunks(bool state) noexcept { setFlag(effFlagsProgramChunks, state); }
    virtual void setInitialDelay(VstInt32 delay) noexcept { cEffect.initialDelay = delay; }

    // ---- Accessors ----
    virtual AEffEditor* getEditor() noexcept { return editor; }
    virtual AEffect* getAeffect() noexcept { return &cEffect; }
    virtual float getSampleRate() noexcept { return sampleRate; }
    virtual VstInt32 getBlockSize() noexcept { return blockSize; }

    // ---- Basic host services ----
    virtual VstInt32 getMasterVersion() noexcept;
    virtual VstInt32 getCurrentUniqueId() noexcept;
    virtual void masterIdle() noexcept;

    // ---- Value display ----
    virtual void dB2string(float value, char* text, VstInt32 maxLen) noexcept;
    virtual void Hz2string(float samples, char* text, VstInt32 maxLen) noexcept;
    virtual void ms2string(float samples, char* text, VstInt32 maxLen) noexcept;
    virtual void float2string(float value, char* text, VstInt32 maxLen) noexcept;
    virtual void int2string(VstInt32 value, char* text, VstInt32 maxLen) noexcept;

    // ---- Accumulating processing, meters and qualities ----
    virtual void process(float** /*inputs*/, float** /*outputs*/,
                         VstInt32 /*sampleFrames*/) noexcept {}
    virtual float getVu() noexcept { return 0.0f; }
    virtual void hasVu(bool state) noexcept { setFlag(effFlagsHasVu, state); }
    virtual void hasClip(bool state) noexcept { setFlag(effFlagsHasClip, state); }
    virtual void canMono(bool state) noexcept { setFlag(effFlagsCanMono, state); }
    virtual void setRealtimeQualities(VstInt32 qualities) noexcept {
        cEffect.realQualities = qualities;
    }
    virtual void setOfflineQualities(VstInt32 qualities) noexcept {
        cEffect.offQualities = qualities;
    }

    // ---- Pin connections ----
    virtual bool isInputConnected(VstInt32 input) noexcept;
    virtual bool isOutputConnected(VstInt32 output) noexcept;

    // Attaches an editor (or none); the effect owns it from then on.
    void setEditor(AEffEditor* newEditor) noexcept;

    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

protected:
    // Sets or clears one bit of the record's flags, leaving the others.
    void setFlag(VstInt32 bit, bool state) noexcept {
        cEffect.flags = state ? (cEffect.flags | bit) : (cEffect.flags & ~bit);
    }
    // Calls the host with this effect's record; the caller has checked audioMaster.
    VstIntPtr callHost(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f) noexcept {
        return audioMaster(&cEffect, opcode, index, value, ptr, opt);
    }

    audioMasterCallback audioMaster;
    AEffEditor* editor;
    float sampleRate;
    VstInt32 blockSize;
    VstInt32 numPrograms;
    VstInt32 numParams;
    VstInt32 curProgram;
    AEffect cEffect;
};

// Builds the module's one effect; the effect's own source supplies the body.
// Answers null when storage cannot be had.
AudioEffect* createEffectInstance(audioMasterCallback audioMaster) noexcept;
