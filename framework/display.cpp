// The texts a parameter display shows: decibels, hertz, milliseconds, plain
// floats and integers. The float texts fill a budget of 8 characters.
#include <cmath>
#include <cstdint>
#include <limits>

#include "audioeffect.h"
#include "vststring.h"

static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559,
              "the display arithmetic relies on IEEE floats: infinities, NaNs, exact rounding");

namespace {
constexpr char minusInfinityText[] = "-oo";
constexpr char overflowText[] = "Huge!";
constexpr char nanText[] = "NaN";
constexpr double decibelFactor = 20.0;
constexpr double millisecondFactor = 1000.0;
constexpr double nonNegativeLimit = 99999999.0;
constexpr double negativeLimit = 9999999.0;
constexpr int characterBudget = 8;
constexpr double radix = 10.0;
// Integers from here up show the overflow text.
constexpr VstInt32 integerLimit = 100000000;
// Ten digits hold the magnitude of every int32.
constexpr std::uint32_t largestPlace = 1000000000;
// Exact powers of ten for the fraction digits: a library pow need not be
// exact on every target.
constexpr double powersOfTen[characterBudget] = {1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7};

// The lowest decimal digit of a finite non-negative double.
char lowestDigit(double value) noexcept {
    return static_cast<char>('0' + static_cast<int>(std::fmod(value, radix)));
}

// numerator / denominator as IEEE division gives it, without dividing by zero:
// a zero denominator yields the signed infinity, or NaN for 0 / 0.
double ieeeQuotient(double numerator, double denominator) noexcept {
    if (denominator != 0.0) return numerator / denominator;
    if (numerator == 0.0 || std::isnan(numerator)) return std::numeric_limits<double>::quiet_NaN();
    const bool negative = std::signbit(numerator) != std::signbit(denominator);
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
}
} // namespace

void AudioEffect::dB2string(float value, char* text, VstInt32 maxLen) noexcept {
    if (value <= 0.0f) {
        vst_strncpy(text, minusInfinityText, maxLen);
        return;
    }
    const float logarithm = static_cast<float>(std::log10(static_cast<double>(value)));
    float2string(static_cast<float>(logarithm * decibelFactor), text, maxLen);
}

void AudioEffect::Hz2string(float samples, char* text, VstInt32 maxLen) noexcept {
    const float rate = getSampleRate();
    float2string(samples == 0.0f ? 0.0f : rate / samples, text, maxLen);
}

void AudioEffect::ms2string(float samples, char* text, VstInt32 maxLen) noexcept {
    const double milliseconds = static_cast<double>(samples) * millisecondFactor;
    const double quotient = ieeeQuotient(milliseconds, static_cast<double>(getSampleRate()));
    float2string(static_cast<float>(quotient), text, maxLen);
}

// Integer and fraction digits are built right to left, each in a scratch buffer
// of its own, and cut, never rounded. Sign, point and digits together fill the
// budget; when sign and integer digits fill it alone, no point is shown, so no
// digit is ever dropped.
void AudioEffect::float2string(float value, char* text, VstInt32 maxLen) noexcept {
    double v = value;
    if (std::isnan(v)) {
        vst_strncpy(text, nanText, maxLen);
        return;
    }
    int count = 0;
    bool negative = false;
    if (v < 0.0) {
        negative = true;
        v = -v;
        count = 1;
        if (v > negativeLimit) {
            vst_strncpy(text, overflowText, maxLen);
            return;
        }
    } else if (v > nonNegativeLimit) {
        vst_strncpy(text, overflowText, maxLen);
        return;
    }

    // Sign, at most 8 digits, point and terminator.
    char integerPart[characterBudget + 3];
    char* const point = integerPart + characterBudget + 1;
    point[0] = '.';
    point[1] = 0;
    char* first = point;
    double whole = std::floor(v);
    do {
        *--first = lowestDigit(whole);
        whole = whole / radix;
        ++count;
    } while (whole >= 1.0);
    if (negative) *--first = '-';
    if (count >= characterBudget) {
        point[0] = 0;
        vst_strncpy(text, first, maxLen);
        return;
    }
    ++count;
    vst_strncpy(text, first, maxLen);
    if (count >= characterBudget) return;

    const int places = characterBudget - count;
    char fractionPart[characterBudget + 1];
    char* digit = fractionPart + places;
    *digit = 0;
    double fraction = std::fmod(v, 1.0) * powersOfTen[places];
    while (digit != fractionPart) {
        if (fraction <= 0.0) {
            *--digit = '0';
        } else {
            *--digit = lowestDigit(fraction);
            fraction = fraction / radix;
        }
    }
    vst_strncat(text, fractionPart, maxLen);
}

// Digits follow the sign one at a time, leading zeros left out, so 0 shows
// the empty text. Negative values are shown in full through their unsigned
// magnitude, which holds the most negative int32 too.
void AudioEffect::int2string(VstInt32 value, char* text, VstInt32 maxLen) noexcept {
    if (value >= integerLimit) {
        vst_strncpy(text, overflowText, maxLen);
        return;
    }
    std::uint32_t magnitude = static_cast<std::uint32_t>(value);
    if (value < 0) {
        vst_strncpy(text, "-", maxLen);
        magnitude = 0u - magnitude;
    } else {
        vst_strncpy(text, "", maxLen);
    }
    bool started = false;
    for (std::uint32_t divisor = largestPlace; divisor >= 1; divisor /= 10) {
        const std::uint32_t digit = magnitude / divisor;
        magnitude -= digit * divisor;
        if (started || digit > 0) {
            const char digitText[2] = {static_cast<char>('0' + digit), 0};
            vst_strncat(text, digitText, maxLen);
            started = true;
        }
    }
}
