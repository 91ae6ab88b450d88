// fxhost info: what a host reads from a plug-in: the record's fields, the
// effect's identity texts and its parameters.
#pragma once

#include <string>

void info(const std::string& plugin);
