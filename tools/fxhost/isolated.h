// Running one check in a child process, so that a plug-in that crashes or
// hangs fails that check and the run goes on.
#pragma once

#include <functional>
#include <string>

struct CheckResult {
    bool passed;
    std::string detail;
};

// Runs check in a child process. The check answers what it found on success
// and throws an exception naming the fault on failure; a child that is killed
// by a signal, ends without an answer or runs past timeoutSeconds fails.
// The failure names the last step the check announced.
CheckResult runIsolated(const std::function<std::string()>& check, unsigned timeoutSeconds);

// Announces what the running check is about to do, such as "opcode 50", so
// that a crash can be placed; does nothing outside runIsolated's child.
void checkStep(const std::string& step);
