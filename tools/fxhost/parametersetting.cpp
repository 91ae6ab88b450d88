#include "parametersetting.h"

#include <charconv>
#include <stdexcept>

#include "hosterror.h"

namespace {
template <typename T> bool readWhole(const std::string& text, T& result) {
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, result);
    return !text.empty() && error == std::errc() && stop == end;
}
} // namespace

ParameterSetting parseParameterSetting(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) {
        throw std::invalid_argument("--param " + text + ": expected INDEX=VALUE");
    }
    ParameterSetting setting{0, 0.0f, text};
    if (!readWhole(text.substr(0, equals), setting.index) || setting.index < 0) {
        throw std::invalid_argument("--param " + text +
                                    ": the index must be a whole number from 0");
    }
    if (!readWhole(text.substr(equals + 1), setting.value) ||
        !(setting.value >= 0.0f && setting.value <= 1.0f)) {
        throw std::invalid_argument("--param " + text + ": the value must be a number from 0 to 1");
    }
    return setting;
}

void applyParameterSettings(const HostedEffect& effect,
                            const std::vector<ParameterSetting>& settings) {
    const VstInt32 count = effect.record()->numParams;
    for (const ParameterSetting& setting : settings) {
        if (setting.index >= count) {
            throw HostError("--param " + setting.text + ": the plug-in has " +
                            std::to_string(count) + " parameters" +
                            (count > 0 ? " (0 to " + std::to_string(count - 1) + ")" : ""));
        }
    }
    for (const ParameterSetting& setting : settings) {
        effect.setParameter(setting.index, setting.value);
    }
}
