// The host side's errors: each failure to load or start a plug-in is named.
#include <gtest/gtest.h>

#include "hostedeffect.h"
#include "hosterror.h"
#include "hostrecorder.h"
#include "opcodes.h"

namespace {
AEffect* VSTCALLBACK noRecord(audioMasterCallback) { return nullptr; }

AEffect wrongMagicRecord{};
AEffect* VSTCALLBACK wrongMagic(audioMasterCallback) { return &wrongMagicRecord; }

template <typename F> std::string errorOf(F&& action) {
    try {
        action();
    } catch (const HostError& error) {
        return error.what();
    }
    return "no error";
}

TEST(HostErrorsTest, EachFailureIsReportedClearly) {
    EXPECT_EQ(errorOf([] { PluginLibrary("/no/such/plugin.so"); }),
              "plug-in library not found: /no/such/plugin.so");
    EXPECT_EQ(errorOf([] { HostedEffect(noRecord, HostRecorder::callback); }),
              "the plug-in's entry answered no effect record");
    wrongMagicRecord.magic = 0x12345678;
    EXPECT_EQ(errorOf([] { HostedEffect(wrongMagic, HostRecorder::callback); }),
              "the effect record's magic is 0x12345678, not 'VstP'");
}
} // namespace
