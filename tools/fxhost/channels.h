// The audio channels of one block, each the same number of samples, and the
// array of channel pointers the record's processing entries take.
#pragma once

#include <vector>

struct Channels {
    Channels(int count, int frames)
        : samples(static_cast<std::size_t>(count), std::vector<float>(frames)) {
        for (auto& channel : samples) pointers.push_back(channel.data());
    }
    std::vector<std::vector<float>> samples;
    std::vector<float*> pointers;
};
