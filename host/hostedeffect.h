// One effect instance driven through its record, as a host drives it.
#pragma once

#include <string>

#include "pluginlibrary.h"

class HostedEffect {
public:
    // Calls the entry with the callback; throws HostError when the entry
    // answers null or the record's magic is wrong.
    HostedEffect(PluginEntry entry, audioMasterCallback callback);
    // Sends effClose unless close() already did.
    ~HostedEffect();
    HostedEffect(const HostedEffect&) = delete;
    HostedEffect& operator=(const HostedEffect&) = delete;

    AEffect* record() const noexcept { return effect; }
    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f) const noexcept;
    // The text a text opcode writes, read from a zeroed buffer.
    std::string text(VstInt32 opcode, VstInt32 index = 0) const;
    // Prepares the effect as a host does before processing: effOpen, then the
    // sample rate and the largest block size it will be sent.
    void open(float sampleRate, VstInt32 maxBlockSize) const noexcept;
    // Switches the effect on or off (effMainsChanged).
    void setActive(bool active) const noexcept;
    void setParameter(VstInt32 index, float value) const noexcept;
    float getParameter(VstInt32 index) const noexcept;
    void process(float** inputs, float** outputs, VstInt32 sampleFrames) const noexcept;
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) const noexcept;
    void processDoubleReplacing(double** inputs, double** outputs,
                                VstInt32 sampleFrames) const noexcept;
    // Sends effClose and answers what the entry answered; the record is gone.
    VstIntPtr close() noexcept;

private:
    AEffect* effect;
};
