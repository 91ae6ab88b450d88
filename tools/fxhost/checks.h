// The contract checks fxhost check runs. Each drives the plug-in through its
// record, answers a short account of what it verified, and throws
// CheckFailure (or HostError, when the plug-in cannot even be started)
// naming the first fault it finds.
#pragma once

#include <stdexcept>
#include <string>

#include "pluginlibrary.h"

struct CheckFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The record's magic, counts, entries and flags.
std::string checkRecord(const PluginLibrary& library);
// The entry under both export names.
std::string checkExports(const PluginLibrary& library);
// The entry called without a host callback.
std::string checkNullCallback(const PluginLibrary& library);
// Many instances alive at once, opened and closed, in several rounds.
std::string checkInstances(const PluginLibrary& library);
// Every opcode from 0 to 100 with valid buffers.
std::string checkOpcodes(const PluginLibrary& library);
// Every text opcode terminates its text within its limit.
std::string checkTexts(const PluginLibrary& library);
// Parameters set and read back; an index past the last is ignored.
std::string checkParameters(const PluginLibrary& library);
// Processing of silence, full-scale and non-finite input in blocks of several
// sizes, with the outputs written all through the block and nowhere else.
std::string checkSilence(const PluginLibrary& library);
std::string checkFullScale(const PluginLibrary& library);
std::string checkNonFinite(const PluginLibrary& library);
// Parameters changed from a second thread while blocks are processed.
std::string checkThreads(const PluginLibrary& library);
