// Parameters changed from a second thread while the first processes blocks,
// as a host's interface thread does while its audio thread runs.
#include <atomic>
#include <thread>

#include "blockrun.h"
#include "checks.h"
#include "runningeffect.h"

namespace {
constexpr VstInt32 kBlock = 256;
constexpr int kBlocks = 2000;
constexpr float kSampleRate = 44100.0f;

// Sets every parameter in turn, over and over, until told to stop; stops and
// joins when it goes, whatever happens on the processing side.
class ParameterWriter {
public:
    explicit ParameterWriter(AEffect* record) : thread([this, record] { run(record); }) {
        while (!started.load()) std::this_thread::yield();
    }
    ~ParameterWriter() {
        stop.store(true);
        thread.join();
    }
    long long writes() const noexcept { return count.load(); }

private:
    void run(AEffect* record) {
        started.store(true);
        for (long long n = 0; !stop.load(); ++n) {
            for (VstInt32 index = 0; index < record->numParams; ++index) {
                record->setParameter(record, index, static_cast<float>((n + index) % 11) / 10.0f);
                record->getParameter(record, index);
                count.fetch_add(1);
            }
            if (record->numParams == 0) std::this_thread::yield();
        }
    }

    std::atomic<bool> started{false};
    std::atomic<bool> stop{false};
    std::atomic<long long> count{0};
    std::thread thread;
};
} // namespace

std::string checkThreads(const PluginLibrary& library) {
    const RunningEffect running(library, kSampleRate, kBlock);
    AEffect* const record = running.record();
    long long writes = 0;
    {
        ParameterWriter writer(record);
        for (int b = 0; b < kBlocks; ++b)
            runGuardedBlock<float>(record, TestSignal::fullScale, kBlock);
        writes = writer.writes();
    }
    return std::to_string(kBlocks) + " blocks of " + std::to_string(kBlock) +
           " frames while a second thread made " + std::to_string(writes) + " parameter writes";
}
