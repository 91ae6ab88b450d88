#include "isolated.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <sys/wait.h>
#include <unistd.h>

#include "hosterror.h"

namespace {
// Where the child reports its steps and its answer, one line each.
int reportDescriptor = -1;

void writeAll(int descriptor, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(descriptor, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

std::string readAll(int descriptor) {
    std::string text;
    char chunk[512];
    for (;;) {
        const ssize_t n = read(descriptor, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return text;
        text.append(chunk, static_cast<std::size_t>(n));
    }
}

void report(const char* kind, std::string text) {
    for (char& c : text) {
        if (c == '\n') c = ' ';
    }
    writeAll(reportDescriptor, kind + (" " + text) + "\n");
}

[[noreturn]] void runChild(const std::function<std::string()>& check, int descriptor,
                           unsigned timeoutSeconds) {
    reportDescriptor = descriptor;
    alarm(timeoutSeconds);
    try {
        report("pass", check());
    } catch (const std::exception& error) {
        report("fail", error.what());
    }
    _exit(0);
}

// What the child reported: its answer, if it gave one, and its last step.
struct Report {
    bool answered = false;
    CheckResult result{false, ""};
    std::string step;
};

Report parse(const std::string& text) {
    Report parsed;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) break;
        const std::string line = text.substr(start, end - start);
        const std::size_t space = line.find(' ');
        const std::string kind = line.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        if (kind == "step") parsed.step = rest;
        if (kind == "pass" || kind == "fail") {
            parsed.answered = true;
            parsed.result = {kind == "pass", rest};
        }
        start = end + 1;
    }
    return parsed;
}
} // namespace

CheckResult runIsolated(const std::function<std::string()>& check, unsigned timeoutSeconds) {
    int channel[2];
    if (pipe(channel) != 0)
        throw HostError(std::string("cannot create a pipe: ") + strerror(errno));
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) throw HostError(std::string("cannot start a check: ") + strerror(errno));
    if (child == 0) {
        close(channel[0]);
        runChild(check, channel[1], timeoutSeconds);
    }
    close(channel[1]);
    const Report report = parse(readAll(channel[0]));
    close(channel[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    const std::string where = report.step.empty() ? "" : ", at " + report.step;
    if (WIFSIGNALED(status)) {
        if (WTERMSIG(status) == SIGALRM) {
            return {false,
                    "did not finish within " + std::to_string(timeoutSeconds) + " s" + where};
        }
        return {false, std::string("crashed: ") + strsignal(WTERMSIG(status)) + where};
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !report.answered) {
        return {false, "the check ended with status " + std::to_string(WEXITSTATUS(status)) +
                           " before reporting" + where};
    }
    return report.result;
}

void checkStep(const std::string& step) {
    if (reportDescriptor >= 0) report("step", step);
}
