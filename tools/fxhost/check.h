// fxhost check: runs every contract check on a plug-in, each in a child
// process, and prints one line per check and a summary.
#pragma once

#include <string>

// Answers true when every check passed.
bool check(const std::string& plugin);
