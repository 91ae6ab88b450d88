#include "blockrun.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

#include "checks.h"
#include "guarded.h"
#include "isolated.h"

namespace {
// A NaN with a payload no arithmetic produces from the test signals: the
// mark of a sample that was not written.
template <typename Sample> Sample unwritten();
template <> float unwritten<float>() {
    const std::uint32_t bits = 0x7FA5A5A5u;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
template <> double unwritten<double>() {
    const std::uint64_t bits = 0x7FF4A5A5A5A5A5A5ull;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

template <typename Sample> Sample sample(TestSignal signal, VstInt32 k) {
    using limits = std::numeric_limits<Sample>;
    switch (signal) {
    case TestSignal::silence: return Sample(0);
    case TestSignal::fullScale: return (k / 16) % 2 == 0 ? Sample(1) : Sample(-1);
    case TestSignal::nonFinite: {
        const Sample values[] = {limits::quiet_NaN(), limits::infinity(), -limits::infinity(),
                                 Sample(0.5)};
        return values[k % 4];
    }
    }
    return Sample(0);
}

template <typename Sample> const char* entryName();
template <> const char* entryName<float>() { return "processReplacing"; }
template <> const char* entryName<double>() { return "processDoubleReplacing"; }

template <typename Sample>
void verifyOutput(const Guarded<Sample>& output, TestSignal signal, const std::string& where) {
    if (!output.guardsIntact()) throw CheckFailure(where + " was written outside the block");
    for (std::size_t k = 0; k < output.size(); ++k) {
        const Sample value = output.data()[k];
        if (Guarded<Sample>::same(value, unwritten<Sample>())) {
            throw CheckFailure(where + " sample " + std::to_string(k) + " was not written");
        }
        if (signal != TestSignal::nonFinite && !std::isfinite(value)) {
            throw CheckFailure(where + " sample " + std::to_string(k) + " is not finite");
        }
    }
}
} // namespace

template <typename Sample>
void runGuardedBlock(AEffect* record, TestSignal signal, VstInt32 frames) {
    const Sample mark = unwritten<Sample>();
    const auto size = static_cast<std::size_t>(frames);
    std::vector<Guarded<Sample>> inputs(record->numInputs, Guarded<Sample>(size, mark, mark));
    std::vector<Guarded<Sample>> outputs(record->numOutputs, Guarded<Sample>(size, mark, mark));
    std::vector<Sample*> in;
    std::vector<Sample*> out;
    for (auto& input : inputs) {
        for (VstInt32 k = 0; k < frames; ++k) input.data()[k] = sample<Sample>(signal, k);
        in.push_back(input.data());
    }
    for (auto& output : outputs) out.push_back(output.data());
    const std::vector<Guarded<Sample>> inputsBefore = inputs;

    const std::string block =
        std::string(entryName<Sample>()) + ", block of " + std::to_string(frames) + " frames";
    checkStep(block);
    if constexpr (std::is_same_v<Sample, float>) {
        record->processReplacing(record, in.data(), out.data(), frames);
    } else {
        record->processDoubleReplacing(record, in.data(), out.data(), frames);
    }

    for (std::size_t c = 0; c < outputs.size(); ++c) {
        verifyOutput(outputs[c], signal, block + ": output " + std::to_string(c));
    }
    for (std::size_t c = 0; c < inputs.size(); ++c) {
        if (!inputs[c].sameBits(inputsBefore[c])) {
            throw CheckFailure(block + ": input " + std::to_string(c) + " was changed");
        }
    }
}

template void runGuardedBlock<float>(AEffect*, TestSignal, VstInt32);
template void runGuardedBlock<double>(AEffect*, TestSignal, VstInt32);
