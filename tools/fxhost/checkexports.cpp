// The entry: under both export names, and called without a host callback.
#include "checks.h"
#include "hostedeffect.h"
#include "hostrecorder.h"
#include "isolated.h"
#include "opcodes.h"

std::string checkExports(const PluginLibrary& library) {
    const PluginEntry pluginMain = library.find("VSTPluginMain");
    const PluginEntry main = library.find("main");
    if (!pluginMain) throw CheckFailure("VSTPluginMain is not exported");
    if (!main) throw CheckFailure("main is not exported");
    for (const auto& [name, entry] :
         {std::pair{"VSTPluginMain", pluginMain}, std::pair{"main", main}}) {
        checkStep(name);
        try {
            HostedEffect effect(entry, HostRecorder::callback);
        } catch (const std::exception& error) {
            throw CheckFailure(std::string("through ") + name + ": " + error.what());
        }
    }
    return std::string("VSTPluginMain and main each give a record") +
           (pluginMain == main ? " (one function)" : " (two functions)");
}

std::string checkNullCallback(const PluginLibrary& library) {
    AEffect* const record = library.entry()(nullptr);
    if (!record) return "the entry answered no record";
    if (record->magic != kEffectMagic || !record->dispatcher) {
        throw CheckFailure("the entry answered a record that is not an effect record");
    }
    record->dispatcher(record, effClose, 0, 0, nullptr, 0.0f);
    return "the entry answered a record, which closed";
}
