// Building, releasing, copying and matching speaker arrangements.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "audioeffectx.h"
#include "vststring.h"

namespace {
constexpr std::size_t arrangementBytes(VstInt32 channels) noexcept {
    return sizeof(VstSpeakerArrangement) +
           sizeof(VstSpeakerProperties) * static_cast<std::size_t>(channels);
}
// The most channels whose block size the size type can express.
constexpr std::size_t maxChannels =
    (SIZE_MAX - sizeof(VstSpeakerArrangement)) / sizeof(VstSpeakerProperties);
} // namespace

bool AudioEffectX::allocateArrangement(VstSpeakerArrangement** arrangement,
                                       VstInt32 nbChannels) noexcept {
    std::free(*arrangement);
    *arrangement = nullptr;
    if (nbChannels < 0 || static_cast<std::size_t>(nbChannels) > maxChannels) return false;
    void* block = std::calloc(1, arrangementBytes(nbChannels));
    if (!block) return false;
    *arrangement = static_cast<VstSpeakerArrangement*>(block);
    (*arrangement)->numChannels = nbChannels;
    return true;
}

bool AudioEffectX::deallocateArrangement(VstSpeakerArrangement** arrangement) noexcept {
    std::free(*arrangement);
    *arrangement = nullptr;
    return true;
}

bool AudioEffectX::copySpeaker(VstSpeakerProperties* to, VstSpeakerProperties* from) noexcept {
    if (!to || !from) return false;
    // The source is read whole first: it may be the destination itself.
    const VstSpeakerProperties source = *from;
    vst_strncpy(to->name, source.name, 63);
    to->type = source.type;
    to->azimuth = source.azimuth;
    to->elevation = source.elevation;
    to->radius = source.radius;
    to->reserved = source.reserved;
    std::memcpy(to->future, source.future, sizeof(to->future));
    return true;
}

bool AudioEffectX::matchArrangement(VstSpeakerArrangement** to,
                                    VstSpeakerArrangement* from) noexcept {
    if (!from) return false;
    // Matching an arrangement with itself: it already matches, and releasing
    // the destination would release the source before it is read.
    if (*to == from) return true;
    if (!deallocateArrangement(to)) return false;
    if (!allocateArrangement(to, from->numChannels)) return false;
    (*to)->type = from->type;
    for (VstInt32 i = 0; i < (*to)->numChannels; ++i) {
        if (!copySpeaker(&(*to)->speakers[i], &from->speakers[i])) return false;
    }
    return true;
}
