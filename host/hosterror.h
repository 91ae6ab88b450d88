// The error every host-side failure is reported with.
#pragma once

#include <stdexcept>

struct HostError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
