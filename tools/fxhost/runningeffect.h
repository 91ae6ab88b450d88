// One effect instance run as a host runs it: created through the library's
// entry, opened with a sample rate and a largest block size (which the host
// callback then also answers when asked), given parameter values and switched
// on; switched off and closed when it goes.
#pragma once

#include <vector>

#include "hostedeffect.h"
#include "parametersetting.h"

class RunningEffect {
public:
    // Throws HostError when the entry gives no usable record, when the effect
    // does not process through processReplacing, or for a bad setting.
    RunningEffect(const PluginLibrary& library, float sampleRate, VstInt32 maxBlockSize,
                  const std::vector<ParameterSetting>& settings = {});
    ~RunningEffect();
    RunningEffect(const RunningEffect&) = delete;
    RunningEffect& operator=(const RunningEffect&) = delete;

    const HostedEffect& effect() const noexcept { return hosted; }
    AEffect* record() const noexcept { return hosted.record(); }

private:
    HostedEffect hosted;
};
