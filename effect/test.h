// The clip effect: a stereo hard clipper with a pre-gain, a symmetric clip
// level and a post-gain.
#pragma once

#include <atomic>

#include "audioeffectx.h"

class Test : public AudioEffectX {
public:
    explicit Test(audioMasterCallback audioMaster) noexcept;
    ~Test() override;

    // ---- Processing ----
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) noexcept override;
    void processDoubleReplacing(double** inputs, double** outputs,
                                VstInt32 sampleFrames) noexcept override;

    // ---- Parameters ----
    void setParameter(VstInt32 index, float value) noexcept override;
    float getParameter(VstInt32 index) noexcept override;

    // ---- Program and parameter texts ----
    void setProgramName(char* name) noexcept override;
    void getProgramName(char* name) noexcept override;
    void getParameterLabel(VstInt32 index, char* label) noexcept override;
    void getParameterDisplay(VstInt32 index, char* text) noexcept override;
    void getParameterName(VstInt32 index, char* text) noexcept override;

    // ---- Identity ----
    bool getEffectName(char* name) noexcept override;
    bool getVendorString(char* text) noexcept override;
    bool getProductString(char* text) noexcept override;
    VstInt32 getVendorVersion() noexcept override;

private:
    // The host may write a parameter from one thread while another processes.
    std::atomic<float> preClipGain;
    std::atomic<float> clipValue;
    std::atomic<float> postClipGain;
    char programName[24 + 1];
};
