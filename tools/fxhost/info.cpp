#include "info.h"

#include <array>
#include <cstdio>
#include <vector>

#include "hostedeffect.h"
#include "hostrecorder.h"
#include "names.h"
#include "opcodes.h"

namespace {
void field(const char* name, const std::string& value) {
    std::printf("%-18s %s\n", name, value.c_str());
}

std::string number(long long value) { return std::to_string(value); }

std::string hex(VstInt32 value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

void recordFields(const AEffect& record) {
    field("magic", hex(record.magic) + " " + fourCharText(record.magic));
    field("programs", number(record.numPrograms));
    field("parameters", number(record.numParams));
    field("inputs", number(record.numInputs));
    field("outputs", number(record.numOutputs));
    field("flags", hex(record.flags) + " " + flagNames(record.flags));
    field("unique ID", fourCharText(record.uniqueID) + " " + number(record.uniqueID));
    field("version", number(record.version));
    field("initial delay", number(record.initialDelay));
}

void identity(const HostedEffect& effect) {
    field("effect name", effect.text(effGetEffectName));
    field("vendor", effect.text(effGetVendorString));
    field("product", effect.text(effGetProductString));
    field("vendor version", number(effect.dispatch(effGetVendorVersion)));
    field("interface version", number(effect.dispatch(effGetVstVersion)));
    const VstIntPtr category = effect.dispatch(effGetPlugCategory);
    field("category", number(category) + " (" + categoryName(category) + ")");
    field("program name", effect.text(effGetProgramName));
}

void parameterTable(const HostedEffect& effect) {
    const std::array<std::string, 5> heading{"index", "name", "label", "value", "display"};
    std::vector<std::array<std::string, 5>> rows{heading};
    for (VstInt32 index = 0; index < effect.record()->numParams; ++index) {
        rows.push_back({number(index), effect.text(effGetParamName, index),
                        effect.text(effGetParamLabel, index),
                        shortestText(effect.getParameter(index)),
                        effect.text(effGetParamDisplay, index)});
    }
    std::array<std::size_t, 5> widths{};
    for (const auto& row : rows) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], row[column].size());
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t column = 0; column < row.size(); ++column) {
            line += row[column];
            line += std::string(widths[column] + 2 - row[column].size(), ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        std::printf("%s\n", line.c_str());
    }
}
} // namespace

void info(const std::string& plugin) {
    const PluginLibrary library(plugin);
    const HostedEffect effect(library.entry(), HostRecorder::callback);
    effect.dispatch(effOpen);
    field("plug-in", plugin);
    recordFields(*effect.record());
    identity(effect);
    std::printf("\n");
    parameterTable(effect);
}
