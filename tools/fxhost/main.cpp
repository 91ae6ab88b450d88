// fxhost: the command-line host. It shows what a host reads from a plug-in,
// renders audio through it, draws its transfer curve and checks that it keeps
// the plug-in contract.
#include <CLI/CLI.hpp>
#include <cstdio>

#include "check.h"
#include "curve.h"
#include "hostrecorder.h"
#include "info.h"
#include "render.h"

namespace {
// A positional that takes a range of values, such as render's "[IN] OUT",
// shows its type name in the usage line.
class UsageFormatter : public CLI::Formatter {
public:
    std::string make_option_usage(const CLI::Option* option) const override {
        if (option->get_expected_min() != option->get_expected_max()) {
            return option->get_type_name();
        }
        return CLI::Formatter::make_option_usage(option);
    }
};

CLI::Option* addParameterOption(CLI::App* command, std::vector<std::string>& texts) {
    return command
        ->add_option("--param", texts,
                     "set parameter INDEX to VALUE (0 to 1) before processing; repeatable")
        ->type_name("INDEX=VALUE")
        ->allow_extra_args(false);
}

std::vector<ParameterSetting> parameterSettings(const std::vector<std::string>& texts) {
    std::vector<ParameterSetting> settings;
    for (const std::string& text : texts) settings.push_back(parseParameterSetting(text));
    return settings;
}
} // namespace

int main(int argc, char** argv) {
    CLI::App app{"fxhost: loads a plug-in library and shows, renders, plots or checks its effect"};
    app.require_subcommand(1);
    app.formatter(std::make_shared<UsageFormatter>());

    std::string infoPlugin;
    CLI::App* infoCommand = app.add_subcommand(
        "info", "show the record's fields, the effect's texts and a table of its parameters");
    infoCommand->add_option("PLUGIN", infoPlugin, "plug-in library")->required();

    RenderOptions renderOptions;
    std::vector<std::string> renderFiles;
    std::vector<std::string> renderParameters;
    int sampleRate = kDemoSampleRate;
    CLI::App* renderCommand = app.add_subcommand(
        "render", "run an audio file, or the demo signal, through the effect into a 32-bit "
                  "float WAV file");
    renderCommand->add_option("PLUGIN", renderOptions.plugin, "plug-in library")->required();
    renderCommand
        ->add_option("AUDIO", renderFiles,
                     "the input, any format libsndfile reads (a mono file feeds every input; "
                     "without IN, a rising sine demo signal), and the output")
        ->required()
        ->expected(1, 2)
        ->type_name("[IN] OUT");
    addParameterOption(renderCommand, renderParameters);
    renderCommand->add_option("--block", renderOptions.blockSize, "frames per block")
        ->capture_default_str()
        ->check(CLI::Range(1, 1 << 20));
    CLI::Option* rateOption =
        renderCommand
            ->add_option("--sample-rate", sampleRate, "sample rate of the demo signal, in Hz")
            ->capture_default_str()
            ->check(CLI::Range(1, 1 << 22));

    CurveOptions curveOptions;
    std::vector<std::string> curveParameters;
    CLI::App* curveCommand = app.add_subcommand(
        "curve", "draw the effect's transfer curve, output against input from -1 to +1, as SVG");
    curveCommand->add_option("PLUGIN", curveOptions.plugin, "plug-in library")->required();
    curveCommand->add_option("OUT", curveOptions.output, "the SVG file to write")->required();
    addParameterOption(curveCommand, curveParameters);

    std::string checkPlugin;
    CLI::App* checkCommand = app.add_subcommand(
        "check", "run the contract checks, each in a child process; exit status 0 when all pass");
    checkCommand->add_option("PLUGIN", checkPlugin, "plug-in library")->required();

    CLI11_PARSE(app, argc, argv);
    HostRecorder::instance().keepCalls(false);
    try {
        if (*infoCommand) info(infoPlugin);
        if (*renderCommand) {
            renderOptions.settings = parameterSettings(renderParameters);
            if (renderFiles.size() == 2) renderOptions.input = renderFiles.front();
            renderOptions.output = renderFiles.back();
            if (rateOption->count() > 0) renderOptions.sampleRate = sampleRate;
            render(renderOptions);
        }
        if (*curveCommand) {
            curveOptions.settings = parameterSettings(curveParameters);
            curve(curveOptions);
        }
        if (*checkCommand) return check(checkPlugin) ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "fxhost: %s\n", error.what());
        return 1;
    }
    return 0;
}
