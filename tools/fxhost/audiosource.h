// Where render's input comes from: an audio file, or the demo signal.
#pragma once

#include <memory>
#include <string>

class AudioSource {
public:
    virtual ~AudioSource() = default;
    virtual int channels() const noexcept = 0;
    virtual int sampleRate() const noexcept = 0;
    virtual long long frames() const noexcept = 0;
    // What the summary calls the input.
    virtual std::string name() const = 0;
    // Reads up to count frames, channels interleaved; answers how many were
    // read, 0 at the end.
    virtual long long read(float* interleaved, long long count) = 0;
};

// Any audio file libsndfile reads; throws HostError when it is missing or
// cannot be read.
std::unique_ptr<AudioSource> openAudioFile(const std::string& path);

// A few seconds of mono sine whose level rises steadily from silence to full
// scale, so every level of an effect's response is heard in turn.
std::unique_ptr<AudioSource> demoSignal(int sampleRate);
