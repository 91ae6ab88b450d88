// The speaker-arrangement operations with any channel count and any record
// contents: allocateArrangement, deallocateArrangement, copySpeaker and
// matchArrangement on a few arrangements the harness holds, on loose records
// built from the input, and on records passed as their own source. Built
// arrangements have up to a few hundred channels; negative counts, and counts
// too large to be had, must be refused.
#include <fcntl.h>
#include <sanitizer/common_interface_defs.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "audioeffectx.h"
#include "fuzzcheck.h"

// Blocks above 1 GiB fail here as on a host short of memory, so that a huge
// channel count takes the failed-allocation path on any machine.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1:max_allocation_size_mb=1024";
}

namespace {
constexpr VstInt32 maxBuiltChannels = 300;
// The smallest count the harness calls huge: 1.9 GB, above the allocation cap.
constexpr VstInt32 hugeChannels = 1 << 24;
constexpr std::size_t slotCount = 4;
constexpr std::size_t nameLimit = 63;

// The arrangement operations as AudioEffectX itself provides them.
class ArrangementEffect : public AudioEffectX {
public:
    ArrangementEffect() : AudioEffectX(nullptr, 1, 0) {}
    void processReplacing(float**, float**, VstInt32) noexcept override {}
};

constexpr std::size_t blockBytes(VstInt32 channels) {
    return sizeof(VstSpeakerArrangement) +
           sizeof(VstSpeakerProperties) * static_cast<std::size_t>(channels);
}

bool isBuildable(VstInt32 channels) { return channels >= 0 && channels <= maxBuiltChannels; }

// Makes a call whose block is refused for its size with the sanitizer's
// reports sent nowhere: it warns of every refused block, which at thousands
// of inputs a second floods the output and slows the run.
template <typename Call> bool withoutReports(Call call) {
    static void* const nowhere =
        reinterpret_cast<void*>(static_cast<std::intptr_t>(open("/dev/null", O_WRONLY)));
    __sanitizer_set_report_fd(nowhere);
    const bool result = call();
    __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<std::intptr_t>(2)));
    return result;
}

// Fills bytes [from, to) of a record with input bytes; what the input lacks stays.
void fill(FuzzedDataProvider& data, void* record, std::size_t from, std::size_t to) {
    const std::vector<unsigned char> bytes = data.ConsumeBytes<unsigned char>(to - from);
    if (!bytes.empty()) {
        std::memcpy(static_cast<unsigned char*>(record) + from, bytes.data(), bytes.size());
    }
}

// A destination speaker after copySpeaker from source: every field equal,
// the name cut to 63 characters and zero-filled through its last byte.
void checkCopied(const VstSpeakerProperties& got, const VstSpeakerProperties& source) {
    FUZZ_CHECK(std::memcmp(&got.azimuth, &source.azimuth, 4 * sizeof(float)) == 0);
    FUZZ_CHECK(got.type == source.type);
    FUZZ_CHECK(std::memcmp(got.future, source.future, sizeof got.future) == 0);
    char name[sizeof source.name] = {};
    std::memcpy(name, source.name, strnlen(source.name, nameLimit));
    FUZZ_CHECK(std::memcmp(got.name, name, sizeof name) == 0);
}

// The whole block of an arrangement of up to maxBuiltChannels speakers.
std::vector<unsigned char> bytesOf(const VstSpeakerArrangement* arrangement) {
    const auto* first = reinterpret_cast<const unsigned char*>(arrangement);
    return std::vector<unsigned char>(first, first + blockBytes(arrangement->numChannels));
}

class Session {
public:
    explicit Session(FuzzedDataProvider& data) : data(data) {}
    ~Session() {
        for (auto& slot : slots) FUZZ_CHECK(effect.deallocateArrangement(&slot) && !slot);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void step() {
        switch (data.ConsumeIntegralInRange(0, 4)) {
        case 0: allocate(); break;
        case 1: {
            VstSpeakerArrangement*& slot = pickSlot();
            FUZZ_CHECK(effect.deallocateArrangement(&slot) && !slot);
            break;
        }
        case 2: write(); break;
        case 3: copySpeaker(); break;
        default: match(); break;
        }
    }

private:
    VstSpeakerArrangement*& pickSlot() {
        return slots[data.ConsumeIntegralInRange<std::size_t>(0, slotCount - 1)];
    }

    VstInt32 consumeChannels() {
        switch (data.ConsumeIntegralInRange(0, 2)) {
        case 0: return data.ConsumeIntegralInRange<VstInt32>(INT_MIN, -1);
        case 1: return data.ConsumeIntegralInRange<VstInt32>(hugeChannels, INT_MAX);
        default: return data.ConsumeIntegralInRange<VstInt32>(0, maxBuiltChannels);
        }
    }

    void allocate() {
        VstSpeakerArrangement*& slot = pickSlot();
        const VstInt32 channels = consumeChannels();
        auto call = [&] { return effect.allocateArrangement(&slot, channels); };
        const bool built = channels >= hugeChannels ? withoutReports(call) : call();
        FUZZ_CHECK(built == isBuildable(channels));
        if (!built) {
            FUZZ_CHECK(!slot);
            return;
        }
        FUZZ_CHECK(slot && slot->numChannels == channels && slot->type == 0);
        static const unsigned char zeros[blockBytes(maxBuiltChannels)] = {};
        FUZZ_CHECK(std::memcmp(slot->speakers, zeros,
                               blockBytes(channels) - sizeof(VstSpeakerArrangement)) == 0);
    }

    // The host writes anything into an arrangement but its channel count.
    void write() {
        VstSpeakerArrangement* slot = pickSlot();
        if (!slot) return;
        fill(data, slot, 0, sizeof slot->type);
        fill(data, slot, sizeof(VstSpeakerArrangement), blockBytes(slot->numChannels));
    }

    // A speaker of one of the arrangements, a loose record, or null.
    VstSpeakerProperties* pickSpeaker(VstSpeakerProperties& loose) {
        switch (data.ConsumeIntegralInRange(0, 2)) {
        case 0: return nullptr;
        case 1: {
            VstSpeakerArrangement* slot = pickSlot();
            if (!slot || slot->numChannels == 0) return &loose;
            return &slot->speakers[data.ConsumeIntegralInRange<VstInt32>(0, slot->numChannels - 1)];
        }
        default: return &loose;
        }
    }

    void copySpeaker() {
        auto looseTo = std::make_unique<VstSpeakerProperties>();
        auto looseFrom = std::make_unique<VstSpeakerProperties>();
        VstSpeakerProperties* to = pickSpeaker(*looseTo);
        VstSpeakerProperties* from = data.ConsumeBool() ? to : pickSpeaker(*looseFrom);
        if (to == looseTo.get()) fill(data, to, 0, sizeof *to);
        if (from == looseFrom.get()) fill(data, from, 0, sizeof *from);
        VstSpeakerProperties toBefore{};
        VstSpeakerProperties fromBefore{};
        if (to) toBefore = *to;
        if (from) fromBefore = *from;

        const bool copied = effect.copySpeaker(to, from);
        if (!to || !from) {
            FUZZ_CHECK(!copied);
            if (to) FUZZ_CHECK(std::memcmp(to, &toBefore, sizeof toBefore) == 0);
            if (from) FUZZ_CHECK(std::memcmp(from, &fromBefore, sizeof fromBefore) == 0);
            return;
        }
        FUZZ_CHECK(copied);
        checkCopied(*to, fromBefore);
        if (from != to) FUZZ_CHECK(std::memcmp(from, &fromBefore, sizeof fromBefore) == 0);
    }

    void match() {
        VstSpeakerArrangement*& to = pickSlot();
        // A loose source: a block of exactly the size its channel count
        // promises, or a header alone whose count is negative or huge.
        std::unique_ptr<std::uint32_t[]> loose;
        VstSpeakerArrangement* from = nullptr;
        switch (data.ConsumeIntegralInRange(0, 2)) {
        case 0: break;
        case 1: from = pickSlot(); break;
        default: {
            const VstInt32 channels = consumeChannels();
            const std::size_t bytes = blockBytes(isBuildable(channels) ? channels : 0);
            loose = std::make_unique<std::uint32_t[]>(bytes / sizeof(std::uint32_t));
            from = reinterpret_cast<VstSpeakerArrangement*>(loose.get());
            from->numChannels = channels;
            fill(data, from, 0, sizeof from->type);
            fill(data, from, sizeof(VstSpeakerArrangement), bytes);
            break;
        }
        }
        VstSpeakerArrangement* const toBefore = to;
        const std::vector<unsigned char> toBytes = to ? bytesOf(to) : std::vector<unsigned char>();
        const bool buildable = from && isBuildable(from->numChannels);
        const std::vector<unsigned char> fromBytes =
            buildable ? bytesOf(from) : std::vector<unsigned char>();

        auto call = [&] { return effect.matchArrangement(&to, from); };
        const bool matched =
            from && from->numChannels >= hugeChannels ? withoutReports(call) : call();
        if (!from) {
            FUZZ_CHECK(!matched && to == toBefore);
            if (to) FUZZ_CHECK(bytesOf(to) == toBytes);
            return;
        }
        if (!buildable) {
            FUZZ_CHECK(!matched && !to);
            return;
        }
        FUZZ_CHECK(matched && to);
        if (from == toBefore) {
            // Matched to itself: nothing to do.
            FUZZ_CHECK(to == toBefore && bytesOf(to) == toBytes);
            return;
        }
        const auto* source = reinterpret_cast<const VstSpeakerArrangement*>(fromBytes.data());
        FUZZ_CHECK(to->numChannels == source->numChannels && to->type == source->type);
        for (VstInt32 i = 0; i < to->numChannels; ++i) {
            checkCopied(to->speakers[i], source->speakers[i]);
        }
        FUZZ_CHECK(bytesOf(from) == fromBytes);
    }

    FuzzedDataProvider& data;
    ArrangementEffect effect;
    VstSpeakerArrangement* slots[slotCount] = {};
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    Session session(data);
    while (data.remaining_bytes() > 0) session.step();
    return 0;
}
