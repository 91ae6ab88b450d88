// fxhost check: the clip effect passes every check; each faulty test
// plug-in fails the check that looks for its fault, with a line that names
// it, and the run goes on.
#include <gtest/gtest.h>

#include <sstream>

#include "fxhostrun.h"

namespace {
// The check lines, by check name: "PASS  name  detail" or "FAIL  ...".
std::map<std::string, std::string> checkLines(const std::string& out) {
    std::map<std::string, std::string> lines;
    std::istringstream stream(out);
    std::string line;
    while (std::getline(stream, line)) {
        if (line.rfind("PASS  ", 0) != 0 && line.rfind("FAIL  ", 0) != 0) continue;
        lines[line.substr(6, line.find("  ", 6) - 6)] = line;
    }
    return lines;
}

constexpr int kChecks = 11;

TEST(CheckTest, TheClipEffectPassesEveryCheck) {
    const FxhostRun run = runFxhost({"check", CLIPFX_PATH});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    const auto lines = checkLines(run.out);
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(kChecks)) << run.out;
    for (const auto& [name, line] : lines) EXPECT_EQ(line.rfind("PASS", 0), 0u) << line;
    EXPECT_NE(run.out.find("11 checks: 11 passed, 0 failed"), std::string::npos) << run.out;
}

struct FaultCase {
    const char* plugin;
    const char* check;
    const char* message;
};

TEST(CheckTest, EachFaultFailsItsCheckWithAClearLine) {
    const FaultCase cases[] = {
        {LONGNAMEFX_PATH, "texts",
         "effGetParamName (8), index 0: wrote past its 8-character limit"},
        {OVERRUNFX_PATH, "silence",
         "processReplacing, block of 0 frames: output 0 was written "
         "outside the block"},
        {CRASHFX_PATH, "opcodes", "crashed: Aborted, at opcode 50"},
    };
    for (const FaultCase& c : cases) {
        const FxhostRun run = runFxhost({"check", c.plugin});
        EXPECT_EQ(run.status, 1) << c.plugin;
        const auto lines = checkLines(run.out);
        EXPECT_EQ(lines.size(), static_cast<std::size_t>(kChecks)) << run.out;
        const std::string& failed = lines.at(c.check);
        EXPECT_EQ(failed.rfind("FAIL", 0), 0u) << failed;
        EXPECT_NE(failed.find(c.message), std::string::npos) << failed;
        int failures = 0;
        for (const auto& [name, line] : lines) failures += line.rfind("FAIL", 0) == 0;
        // The overrun shows in every check that processes; the others in one.
        EXPECT_EQ(failures, c.check == std::string("silence") ? 4 : 1) << run.out;
    }
}

TEST(CheckTest, AWrongMagicFailsTheRecordCheck) {
    const FxhostRun run = runFxhost({"check", WRONGMAGICFX_PATH});
    EXPECT_EQ(run.status, 1);
    const auto lines = checkLines(run.out);
    EXPECT_EQ(lines.at("record"),
              "FAIL  record            the magic is 0x4E6F7065 'Nope', not 'VstP'");
    EXPECT_NE(run.out.find("11 checks: "), std::string::npos) << run.out;
}
} // namespace
