// A percentage shown on the terminal while a long job runs; nothing when
// standard error is not a terminal or the job is short.
#pragma once

class Progress {
public:
    // total: the units of work; shown only when worthShowing.
    Progress(long long total, bool worthShowing);
    // Clears the line it drew.
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void advance(long long done);

private:
    long long total;
    bool shown;
    int percent = -1;
};
