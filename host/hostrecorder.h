// The host callback handed to plug-ins: it records every call and answers
// from a table kept per opcode. The callback carries no context of its own,
// so there is one recorder per process.
#pragma once

#include <map>
#include <mutex>
#include <vector>

#include "aeffect.h"

struct HostCall {
    AEffect* effect;
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    void* ptr;
    float opt;
};

class HostRecorder {
public:
    static HostRecorder& instance();
    static VstIntPtr VSTCALLBACK callback(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                          VstIntPtr value, void* ptr, float opt);

    // Forgets every recorded call and every answer set, and keeps calls again.
    void reset();
    // What the host answers to opcode from now on; opcodes without an answer
    // get 0, but for the version query, which gets 2400.
    void answer(VstInt32 opcode, VstIntPtr value);
    // Whether calls are kept for calls(); a long-running host turns this off
    // so that a plug-in calling on every block does not grow the list.
    void keepCalls(bool keep);
    std::vector<HostCall> calls() const;

private:
    HostRecorder() = default;
    VstIntPtr record(const HostCall& call);

    mutable std::mutex mutex;
    std::vector<HostCall> recorded;
    std::map<VstInt32, VstIntPtr> answers;
    bool keeping = true;
};
