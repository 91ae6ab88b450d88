// The display texts over many values and every limit from 0 to 40: always a
// terminated text within the limit, nothing written past it, and for floats
// in range exactly the value's digits, cut at the last one shown.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "audioeffect.h"
#include "guardedtext.h"

namespace {
class DisplayEffect : public AudioEffect {
public:
    DisplayEffect() : AudioEffect(nullptr, 1, 1) {}
    void processReplacing(float**, float**, VstInt32) noexcept override {}
};

constexpr VstInt32 largestLimit = 40;
constexpr double powersOfTen[] = {1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};

float floatFromBits(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A fixed spread of floats: every sign and exponent (zeros, subnormals,
// infinities and NaNs included) with edge and random mantissas, random bit
// patterns, the floats nearest to decimals of up to 8 digits, and the
// neighbours of every power of ten the budget turns on.
std::vector<float> sampleFloats() {
    std::mt19937 random(0x5eed);
    std::vector<float> values;
    for (std::uint32_t sign : {0u, 0x80000000u}) {
        for (std::uint32_t exponent = 0; exponent < 256; ++exponent) {
            std::vector<std::uint32_t> mantissas = {0u, 1u, 0x400000u, 0x7FFFFFu};
            for (int i = 0; i < 12; ++i) mantissas.push_back(random() & 0x7FFFFFu);
            for (std::uint32_t mantissa : mantissas) {
                values.push_back(floatFromBits(sign | exponent << 23 | mantissa));
            }
        }
    }
    for (int i = 0; i < 10000; ++i) values.push_back(floatFromBits(random()));
    for (int i = 0; i < 6000; ++i) {
        const double decimal = static_cast<double>(random() % 100000000) / powersOfTen[i % 9];
        values.push_back(static_cast<float>(i % 2 == 0 ? decimal : -decimal));
    }
    for (float power = 1e-8f; power <= 1e9f; power *= 10.0f) {
        for (float edge : {power, power - 1.0f, std::round(power)}) {
            for (float value : {std::nextafter(edge, 0.0f), edge, std::nextafter(edge, 2e9f)}) {
                values.push_back(value);
                values.push_back(-value);
            }
        }
    }
    return values;
}

// The float's exact digits, worked out in integers: integer part and the
// first `places` fraction digits, cut.
struct ExactDigits {
    std::uint64_t integer;
    std::uint64_t fraction(int places) const {
        std::uint64_t scaled = fractionBits;
        for (int i = 0; i < places; ++i) scaled *= 10;
        return shift < 64 ? scaled >> shift : 0;
    }
    std::uint64_t fractionBits; // the fraction is fractionBits / 2^shift
    int shift;
};

ExactDigits exactDigits(float magnitude) {
    int exponent = 0;
    const double mantissa = std::frexp(static_cast<double>(magnitude), &exponent);
    const auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 24));
    const int shift = 24 - exponent;
    if (shift <= 0) return {bits << -shift, 0, 0};
    if (shift >= 64) return {0, bits, shift};
    return {bits >> shift, bits & ((std::uint64_t{1} << shift) - 1), shift};
}

// What float2string shows, built from the exact digits: sign, integer digits,
// then a point and fraction digits up to 8 characters; "Huge!" when sign and
// integer digits do not fit in 8.
std::string truncatedText(float value) {
    if (std::isnan(value)) return "NaN";
    const bool negative = value < 0.0f;
    const float magnitude = std::fabs(value);
    // Nine integer digits never fit; larger values would not fit the integers here.
    if (std::isinf(magnitude) || magnitude >= 1e9f) return "Huge!";
    const ExactDigits digits = exactDigits(magnitude);
    std::string text = (negative ? "-" : "") + std::to_string(digits.integer);
    if (text.size() > 8) return "Huge!";
    if (text.size() == 8) return text;
    text += '.';
    const int places = 8 - static_cast<int>(text.size());
    if (places == 0) return text;
    const std::string fraction = std::to_string(digits.fraction(places));
    return text + std::string(static_cast<std::size_t>(places) - fraction.size(), '0') + fraction;
}

// One of the fixed words, or 8 characters of a float text: an optional sign,
// digits, and at most one point after the first digit.
bool isDisplayText(const std::string& text) {
    if (text == "-oo" || text == "Huge!" || text == "NaN") return true;
    const std::size_t firstDigit = text.rfind('-', 0) == 0 ? 1 : 0;
    const std::size_t point = text.find('.');
    std::string digits = text.substr(firstDigit);
    if (point != std::string::npos) digits.erase(point - firstDigit, 1);
    return text.size() == 8 && !digits.empty() &&
           (point == std::string::npos || point > firstDigit) &&
           digits.find_first_not_of("0123456789") == std::string::npos;
}

const std::vector<VstInt32> everyLimit = [] {
    std::vector<VstInt32> limits;
    for (VstInt32 n = 0; n <= largestLimit; ++n) limits.push_back(n);
    return limits;
}();

// Checks one helper at the given limits against the text it shows in full.
template <typename Value, typename Call>
bool showsWithinLimits(Value value, const std::string& full, Call call,
                       const std::vector<VstInt32>& limits = everyLimit) {
    for (VstInt32 n : limits) {
        const auto write = [&](char* text) { call(value, text, n); };
        if (!writesCutText(write, full, n)) {
            const GuardedText result = guardedWrite(write);
            ADD_FAILURE() << "value " << value << " limit " << n << ": text \"" << result.text
                          << "\" expected \"" << full.substr(0, static_cast<std::size_t>(n))
                          << "\", bytes written " << result.written;
            return false;
        }
    }
    return true;
}

TEST(DisplayPropertyTest, Float2StringShowsTheTruncatedDigits) {
    DisplayEffect effect;
    for (float value : sampleFloats()) {
        const bool ok =
            showsWithinLimits(value, truncatedText(value), [&](float v, char* text, VstInt32 n) {
                effect.float2string(v, text, n);
            });
        if (!ok) break;
    }
}

// The helpers that end in float2string, at ordinary and degenerate rates: the
// text at the largest limit is well formed and smaller limits cut it. Cutting
// is float2string's own, so a few limits around the budget suffice here.
TEST(DisplayPropertyTest, DerivedHelpersStayWithinTheLimit) {
    using Helper = void (AudioEffect::*)(float, char*, VstInt32) noexcept;
    const std::vector<float> values = sampleFloats();
    const std::vector<VstInt32> limits = {0, 1, 2, 3, 7, 8, 9, largestLimit};
    DisplayEffect effect;
    for (float rate : {44100.0f, 0.0f, -0.0f, std::numeric_limits<float>::quiet_NaN(),
                       std::numeric_limits<float>::infinity(),
                       std::numeric_limits<float>::denorm_min(), -48000.0f}) {
        effect.setSampleRate(rate);
        for (Helper helper :
             {&AudioEffect::dB2string, &AudioEffect::Hz2string, &AudioEffect::ms2string}) {
            for (std::size_t i = 0; i < values.size(); i += 3) {
                const auto call = [&](float v, char* text, VstInt32 n) {
                    (effect.*helper)(v, text, n);
                };
                const std::string full =
                    guardedWrite([&](char* text) { call(values[i], text, largestLimit); }).text;
                ASSERT_TRUE(isDisplayText(full))
                    << "rate " << rate << " value " << values[i] << ": " << full;
                ASSERT_TRUE(showsWithinLimits(values[i], full, call, limits)) << "rate " << rate;
            }
        }
    }
}

TEST(DisplayPropertyTest, Int2StringShowsEveryDigit) {
    std::mt19937 random(0x1e7);
    std::vector<VstInt32> values = {0, INT32_MIN, INT32_MAX, INT32_MIN + 1};
    for (VstInt32 power = 1; power <= 1000000000 / 10; power *= 10) {
        for (VstInt32 value : {power - 1, power, power + 1, power * 10 - 1}) {
            values.push_back(value);
            values.push_back(-value);
        }
    }
    for (int i = 0; i < 5000; ++i) values.push_back(static_cast<VstInt32>(random()));
    for (int i = 0; i < 2000; ++i) values.push_back(static_cast<VstInt32>(random() % 200000000));

    DisplayEffect effect;
    for (VstInt32 value : values) {
        const std::string full = value >= 100000000 ? "Huge!"
                                 : value == 0       ? ""
                                                    : std::to_string(value);
        const bool ok = showsWithinLimits(value, full, [&](VstInt32 v, char* text, VstInt32 n) {
            effect.int2string(v, text, n);
        });
        if (!ok) break;
    }
}
} // namespace
