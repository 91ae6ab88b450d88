// The demo signal: a 440 Hz sine rising linearly from silence to full scale.
#include <algorithm>
#include <cmath>

#include "audiosource.h"

namespace {
constexpr double kSeconds = 3.0;
constexpr double kFrequency = 440.0;

class DemoSignal : public AudioSource {
public:
    explicit DemoSignal(int rate) : rate(rate), total(static_cast<long long>(kSeconds * rate)) {}
    int channels() const noexcept override { return 1; }
    int sampleRate() const noexcept override { return rate; }
    long long frames() const noexcept override { return total; }
    std::string name() const override { return "the demo signal"; }
    long long read(float* interleaved, long long count) override {
        const long long n = std::min(count, total - position);
        const double step = 2.0 * M_PI * kFrequency / rate;
        for (long long k = 0; k < n; ++k, ++position) {
            const double level = static_cast<double>(position) / static_cast<double>(total - 1);
            interleaved[k] =
                static_cast<float>(level * std::sin(step * static_cast<double>(position)));
        }
        return n;
    }

private:
    int rate;
    long long total;
    long long position = 0;
};
} // namespace

std::unique_ptr<AudioSource> demoSignal(int sampleRate) {
    return std::make_unique<DemoSignal>(sampleRate);
}
