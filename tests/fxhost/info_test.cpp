// fxhost info shows what the clip effect's record and dispatcher hold.
#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <sstream>

#include "fxhostrun.h"
#include "hostedeffect.h"
#include "hostrecorder.h"
#include "opcodes.h"

namespace {
struct InfoOutput {
    std::map<std::string, std::string> fields;
    std::vector<std::vector<std::string>> table; // heading first
};

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Fields are "name" padded to 18 characters and the value; after a blank
// line comes the table, its columns apart by two spaces or more.
InfoOutput parse(const std::string& text) {
    InfoOutput result;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line) && !line.empty()) {
        result.fields[trimmed(line.substr(0, 18))] = line.size() > 19 ? line.substr(19) : "";
    }
    while (std::getline(lines, line)) {
        std::vector<std::string> columns;
        std::size_t start = 0;
        while (start < line.size()) {
            const std::size_t gap = line.find("  ", start);
            columns.push_back(line.substr(start, gap - start));
            if (gap == std::string::npos) break;
            start = line.find_first_not_of(' ', gap);
        }
        result.table.push_back(columns);
    }
    return result;
}

std::string shortest(float value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

TEST(InfoTest, ShowsWhatTheRecordAndTheDispatcherHold) {
    const FxhostRun run = runFxhost({"info", CLIPFX_PATH});
    ASSERT_EQ(run.status, 0) << run.err;
    const InfoOutput info = parse(run.out);

    HostRecorder::instance().reset();
    PluginLibrary library(CLIPFX_PATH);
    HostedEffect effect(library.entry(), HostRecorder::callback);
    const AEffect& record = *effect.record();
    const std::map<std::string, std::string> expected{
        {"plug-in", CLIPFX_PATH},
        {"magic", "0x56737450 'VstP'"},
        {"programs", std::to_string(record.numPrograms)},
        {"parameters", std::to_string(record.numParams)},
        {"inputs", std::to_string(record.numInputs)},
        {"outputs", std::to_string(record.numOutputs)},
        {"flags", "0x00000010 effFlagsCanReplacing"},
        {"unique ID", "'CRAP' " + std::to_string(record.uniqueID)},
        {"version", std::to_string(record.version)},
        {"initial delay", std::to_string(record.initialDelay)},
        {"effect name", effect.text(effGetEffectName)},
        {"vendor", effect.text(effGetVendorString)},
        {"product", effect.text(effGetProductString)},
        {"vendor version", std::to_string(effect.dispatch(effGetVendorVersion))},
        {"interface version", std::to_string(effect.dispatch(effGetVstVersion))},
        {"category", std::to_string(effect.dispatch(effGetPlugCategory)) + " (unknown)"},
        {"program name", effect.text(effGetProgramName)},
    };
    EXPECT_EQ(info.fields, expected);
    EXPECT_EQ(record.flags, effFlagsCanReplacing);
    EXPECT_EQ(record.uniqueID, 0x43524150);

    ASSERT_EQ(info.table.size(), 1u + record.numParams);
    EXPECT_EQ(info.table[0],
              (std::vector<std::string>{"index", "name", "label", "value", "display"}));
    for (VstInt32 index = 0; index < record.numParams; ++index) {
        std::vector<std::string> row = info.table[1 + index];
        row.resize(5); // an empty display text ends the line early
        EXPECT_EQ(row, (std::vector<std::string>{std::to_string(index),
                                                 effect.text(effGetParamName, index),
                                                 effect.text(effGetParamLabel, index),
                                                 shortest(effect.getParameter(index)),
                                                 effect.text(effGetParamDisplay, index)}));
    }
}

TEST(InfoTest, ALibraryThatIsNotAPluginIsAClearError) {
    const FxhostRun run = runFxhost({"info", NOTAPLUGIN_PATH});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, std::string("fxhost: ") + NOTAPLUGIN_PATH +
                           " is not a plug-in: it exports neither VSTPluginMain nor main\n");
    EXPECT_EQ(run.out, "");
}

TEST(InfoTest, EveryCommandHasHelp) {
    for (const char* command : {"info", "render", "curve", "check"}) {
        const FxhostRun run = runFxhost({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_NE(run.out.find(std::string("fxhost ") + command), std::string::npos) << run.out;
    }
}
} // namespace
