#include "wavfiles.h"

#include <sndfile.h>
#include <stdexcept>

void writeAudio(const std::string& path, const Audio& audio) {
    SF_INFO info{};
    info.channels = audio.channels;
    info.samplerate = audio.sampleRate;
    info.format = audio.format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    const sf_count_t written = sf_writef_float(file, audio.samples.data(), audio.frames());
    sf_close(file);
    if (written != audio.frames()) throw std::runtime_error("cannot write " + path);
}

Audio readAudio(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) throw std::runtime_error("cannot read " + path + ": " + sf_strerror(nullptr));
    Audio audio{info.channels, info.samplerate, info.format,
                std::vector<float>(static_cast<std::size_t>(info.frames * info.channels))};
    const sf_count_t read = sf_readf_float(file, audio.samples.data(), info.frames);
    sf_close(file);
    if (read != info.frames) throw std::runtime_error("cannot read all of " + path);
    return audio;
}
