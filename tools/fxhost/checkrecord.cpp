// The record as the entry hands it over: magic, counts, entries and flags.
#include <cstdio>

#include "checks.h"
#include "hostrecorder.h"
#include "names.h"
#include "opcodes.h"

namespace {
void requireCount(const char* field, VstInt32 value) {
    if (value < 0) throw CheckFailure(std::string(field) + " is " + std::to_string(value));
}

// The faults that make a record unusable; only the dispatcher is needed to
// close it afterwards.
void inspect(const AEffect& record) {
    if (record.magic != kEffectMagic) {
        char text[80];
        std::snprintf(text, sizeof text, "the magic is 0x%08X %s, not 'VstP'",
                      static_cast<unsigned>(record.magic), fourCharText(record.magic).c_str());
        throw CheckFailure(text);
    }
    requireCount("numPrograms", record.numPrograms);
    requireCount("numParams", record.numParams);
    requireCount("numInputs", record.numInputs);
    requireCount("numOutputs", record.numOutputs);
    if (!record.dispatcher) throw CheckFailure("the dispatcher entry is null");
    if (!record.process) throw CheckFailure("the process entry is null");
    if (!record.setParameter) throw CheckFailure("the setParameter entry is null");
    if (!record.getParameter) throw CheckFailure("the getParameter entry is null");
    if (!(record.flags & effFlagsCanReplacing)) {
        throw CheckFailure("effFlagsCanReplacing is not set");
    }
    if (!record.processReplacing) throw CheckFailure("the processReplacing entry is null");
    if ((record.flags & effFlagsCanDoubleReplacing) && !record.processDoubleReplacing) {
        throw CheckFailure("effFlagsCanDoubleReplacing is set but processDoubleReplacing is null");
    }
    if (record.flags & ~kKnownFlags) {
        throw CheckFailure("flags holds unknown bits: " + flagNames(record.flags & ~kKnownFlags));
    }
}
} // namespace

std::string checkRecord(const PluginLibrary& library) {
    AEffect* const record = library.entry()(HostRecorder::callback);
    if (!record) throw CheckFailure("the entry answered no record");
    const AEffect fields = *record;
    const bool closable = record->magic == kEffectMagic && record->dispatcher;
    try {
        inspect(fields);
    } catch (const CheckFailure&) {
        if (closable) record->dispatcher(record, effClose, 0, 0, nullptr, 0.0f);
        throw;
    }
    record->dispatcher(record, effClose, 0, 0, nullptr, 0.0f);
    return "magic 'VstP', numPrograms " + std::to_string(fields.numPrograms) + ", numParams " +
           std::to_string(fields.numParams) + ", numInputs " + std::to_string(fields.numInputs) +
           ", numOutputs " + std::to_string(fields.numOutputs) + ", flags " +
           flagNames(fields.flags);
}
