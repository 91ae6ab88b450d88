// Audio files read through libsndfile, as floats whatever their format.
#include <filesystem>

#include "audiosource.h"
#include "hosterror.h"
#include "soundfile.h"

namespace {
class AudioFile : public AudioSource {
public:
    AudioFile(const std::string& path, SoundFile file, const SF_INFO& format)
        : path(path), file(std::move(file)), format(format) {}
    int channels() const noexcept override { return format.channels; }
    int sampleRate() const noexcept override { return format.samplerate; }
    long long frames() const noexcept override { return format.frames; }
    std::string name() const override { return path; }
    long long read(float* interleaved, long long count) override {
        return sf_readf_float(file.get(), interleaved, count);
    }

private:
    std::string path;
    SoundFile file;
    SF_INFO format;
};
} // namespace

std::unique_ptr<AudioSource> openAudioFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw HostError("audio file not found: " + path);
    }
    SF_INFO format{};
    SoundFile file(sf_open(path.c_str(), SFM_READ, &format));
    if (!file) throw HostError("cannot read " + path + ": " + sf_strerror(nullptr));
    if (format.channels < 1 || format.samplerate < 1) {
        throw HostError("cannot read " + path + ": it holds no audio channels");
    }
    return std::make_unique<AudioFile>(path, std::move(file), format);
}
