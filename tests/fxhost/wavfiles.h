// Audio files written and read for the tests through libsndfile.
#pragma once

#include <string>
#include <vector>

struct Audio {
    int channels = 0;
    int sampleRate = 0;
    int format = 0;             // libsndfile's format code
    std::vector<float> samples; // interleaved

    long long frames() const { return static_cast<long long>(samples.size()) / channels; }
    float at(long long frame, int channel) const { return samples[frame * channels + channel]; }
};

// Writes the samples in the given libsndfile format; throws on failure.
void writeAudio(const std::string& path, const Audio& audio);
// Reads a whole file as floats; throws on failure.
Audio readAudio(const std::string& path);
