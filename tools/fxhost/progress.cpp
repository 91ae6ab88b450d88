#include "progress.h"

#include <cstdio>
#include <unistd.h>

Progress::Progress(long long total, bool worthShowing)
    : total(total), shown(worthShowing && total > 0 && isatty(STDERR_FILENO)) {}

Progress::~Progress() {
    if (shown && percent >= 0) std::fputs("\r\033[K", stderr);
}

void Progress::advance(long long done) {
    if (!shown) return;
    const int now = static_cast<int>(done * 100 / total);
    if (now == percent) return;
    percent = now;
    std::fprintf(stderr, "\rrendering %3d%%", percent);
    std::fflush(stderr);
}
