#include "hostrecorder.h"

#include "opcodes.h"

HostRecorder& HostRecorder::instance() {
    static HostRecorder recorder;
    return recorder;
}

VstIntPtr VSTCALLBACK HostRecorder::callback(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                             VstIntPtr value, void* ptr, float opt) {
    return instance().record({effect, opcode, index, value, ptr, opt});
}

VstIntPtr HostRecorder::record(const HostCall& call) {
    std::lock_guard<std::mutex> lock(mutex);
    if (keeping) recorded.push_back(call);
    const auto found = answers.find(call.opcode);
    if (found != answers.end()) return found->second;
    return call.opcode == audioMasterVersion ? kVstVersion : 0;
}

void HostRecorder::reset() {
    std::lock_guard<std::mutex> lock(mutex);
    recorded.clear();
    answers.clear();
    keeping = true;
}

void HostRecorder::answer(VstInt32 opcode, VstIntPtr value) {
    std::lock_guard<std::mutex> lock(mutex);
    answers[opcode] = value;
}

void HostRecorder::keepCalls(bool keep) {
    std::lock_guard<std::mutex> lock(mutex);
    keeping = keep;
}

std::vector<HostCall> HostRecorder::calls() const {
    std::lock_guard<std::mutex> lock(mutex);
    return recorded;
}
