// An open libsndfile file, closed when it goes.
#pragma once

#include <memory>
#include <sndfile.h>

struct SoundFileCloser {
    void operator()(SNDFILE* file) const noexcept { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, SoundFileCloser>;
