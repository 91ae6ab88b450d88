#include "check.h"

#include <cstdio>

#include "checks.h"
#include "isolated.h"

namespace {
// Long enough for the slowest check under a sanitizer.
constexpr unsigned kTimeoutSeconds = 60;

struct NamedCheck {
    const char* name;
    std::string (*run)(const PluginLibrary&);
};

constexpr NamedCheck kChecks[] = {
    {"record", checkRecord},
    {"exports", checkExports},
    {"null callback", checkNullCallback},
    {"instances", checkInstances},
    {"opcodes", checkOpcodes},
    {"texts", checkTexts},
    {"parameters", checkParameters},
    {"silence", checkSilence},
    {"full scale", checkFullScale},
    {"non-finite input", checkNonFinite},
    {"threads", checkThreads},
};
} // namespace

bool check(const std::string& plugin) {
    const PluginLibrary library(plugin);
    library.entry();
    std::printf("checking %s\n", plugin.c_str());
    int failed = 0;
    for (const NamedCheck& named : kChecks) {
        const CheckResult result = runIsolated([&] { return named.run(library); }, kTimeoutSeconds);
        failed += !result.passed;
        std::printf("%s  %-17s %s\n", result.passed ? "PASS" : "FAIL", named.name,
                    result.detail.c_str());
    }
    const int total = static_cast<int>(std::size(kChecks));
    std::printf("%d checks: %d passed, %d failed\n", total, total - failed, failed);
    return failed == 0;
}
