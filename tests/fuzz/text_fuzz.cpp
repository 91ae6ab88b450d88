// The text helpers with any value and any limit from 0 to 64: vst_strncpy,
// vst_strncat and the five display routines of AudioEffect. Each result must
// hold a terminator at or before index n, nothing past index n may change
// (guard bytes follow every buffer), and a display text cut to n characters
// must be the first n characters of the same text with room to spare.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "audioeffect.h"
#include "fuzzcheck.h"
#include "vststring.h"

namespace {
constexpr VstInt32 maxLimit = 64;
constexpr std::size_t guardBytes = 16;
constexpr char guardByte = static_cast<char>(0xA5);
// What a float text may take: sign, digits and point.
constexpr std::size_t floatBudget = 8;
// What an integer text may take: "-2147483648".
constexpr std::size_t intBudget = 11;

// The display routines as AudioEffect itself provides them.
class DisplayEffect : public AudioEffect {
public:
    DisplayEffect() : AudioEffect(nullptr, 1, 1) {}
    void processReplacing(float**, float**, VstInt32) noexcept override {}
};

// A buffer of limit + 1 bytes with the given contents, then guard bytes.
class Buffer {
public:
    Buffer(VstInt32 limit, std::vector<char> contents) : limit(static_cast<std::size_t>(limit)) {
        contents.resize(this->limit + 1);
        contents.resize(this->limit + 1 + guardBytes, guardByte);
        bytes = contents;
        before = contents;
    }
    char* data() { return bytes.data(); }
    char at(std::size_t i) const { return bytes[i]; }
    char was(std::size_t i) const { return before[i]; }
    std::string text() const { return std::string(bytes.data()); }
    // A terminator at index limit, and every guard byte as it was.
    void checkLimit() const {
        FUZZ_CHECK(bytes[limit] == 0);
        FUZZ_CHECK(std::memcmp(bytes.data() + limit + 1, before.data() + limit + 1, guardBytes) ==
                   0);
    }

private:
    std::size_t limit;
    std::vector<char> bytes;
    std::vector<char> before;
};

std::vector<char> consumeContents(FuzzedDataProvider& data, VstInt32 limit) {
    return data.ConsumeBytes<char>(
        data.ConsumeIntegralInRange<std::size_t>(0, static_cast<std::size_t>(limit) + 1));
}

void checkCopy(FuzzedDataProvider& data, VstInt32 limit) {
    Buffer buffer(limit, consumeContents(data, limit));
    const std::string source = data.ConsumeRandomLengthString(2 * maxLimit);
    FUZZ_CHECK(vst_strncpy(buffer.data(), source.c_str(), limit) == buffer.data());
    buffer.checkLimit();
    const std::string expected = std::string(source.c_str()).substr(0, limit);
    FUZZ_CHECK(buffer.text() == expected);
    for (std::size_t i = expected.size(); i < static_cast<std::size_t>(limit); ++i) {
        FUZZ_CHECK(buffer.at(i) == 0);
    }
}

void checkAppend(FuzzedDataProvider& data, VstInt32 limit) {
    Buffer buffer(limit, consumeContents(data, limit));
    const std::string source = data.ConsumeRandomLengthString(2 * maxLimit);
    const std::size_t n = static_cast<std::size_t>(limit);
    const std::string start(buffer.data(), strnlen(buffer.data(), n));
    const std::string expected = (start + source.c_str()).substr(0, n);
    FUZZ_CHECK(vst_strncat(buffer.data(), source.c_str(), limit) == buffer.data());
    buffer.checkLimit();
    FUZZ_CHECK(buffer.text() == expected);
    for (std::size_t i = expected.size() + 1; i < n; ++i) FUZZ_CHECK(buffer.at(i) == buffer.was(i));
}

void checkDisplay(FuzzedDataProvider& data, VstInt32 limit) {
    static DisplayEffect effect;
    const int routine = data.ConsumeIntegralInRange(0, 4);
    const float value = consumeFloatBits(data);
    const VstInt32 integer = data.ConsumeIntegral<VstInt32>();
    effect.setSampleRate(consumeFloatBits(data));
    auto display = [&](char* text, VstInt32 n) {
        switch (routine) {
        case 0: effect.dB2string(value, text, n); break;
        case 1: effect.Hz2string(value, text, n); break;
        case 2: effect.ms2string(value, text, n); break;
        case 3: effect.float2string(value, text, n); break;
        default: effect.int2string(integer, text, n); break;
        }
    };
    Buffer cut(limit, consumeContents(data, limit));
    display(cut.data(), limit);
    cut.checkLimit();
    Buffer full(maxLimit, {});
    display(full.data(), maxLimit);
    full.checkLimit();
    FUZZ_CHECK(full.text().size() <= (routine == 4 ? intBudget : floatBudget));
    FUZZ_CHECK(cut.text() == full.text().substr(0, static_cast<std::size_t>(limit)));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    while (data.remaining_bytes() > 0) {
        const int helper = data.ConsumeIntegralInRange(0, 2);
        const VstInt32 limit = data.ConsumeIntegralInRange<VstInt32>(0, maxLimit);
        switch (helper) {
        case 0: checkCopy(data, limit); break;
        case 1: checkAppend(data, limit); break;
        default: checkDisplay(data, limit); break;
        }
    }
    return 0;
}
