// Drives the clip effect's record as a careless host might. The input is
// decoded into a sequence of host calls: dispatcher calls with any opcode and
// operands (pointers are valid buffers of the sizes the interface promises,
// or null), parameter writes and reads with any float, blocks of up to 64
// frames (and negative counts) through the three processing entries, and
// close and re-create. Text buffers are followed by guard bytes and audio
// channels by guard samples, all checked after each call; the record itself
// must not change under any of them.
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "audioeffect.h"
#include "fuzzcheck.h"
#include "opcodes.h"
#include "speakers.h"

namespace {
constexpr std::size_t guardBytes = 16;
constexpr unsigned char guardByte = 0xA5;
constexpr std::size_t programNameLimit = 24;
constexpr VstInt32 maxBlock = 64;
constexpr std::size_t recordBytes = 1024;

VstIntPtr VSTCALLBACK hostCallback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

// The text an output opcode may write, not counting its terminator; 0 for
// opcodes that write no text.
std::size_t outputTextLimit(VstInt32 opcode) {
    switch (opcode) {
    case effGetParamLabel:
    case effGetParamDisplay:
    case effGetParamName: return 8;
    case effGetProgramName:
    case effGetProgramNameIndexed: return 24;
    case effGetEffectName: return 32;
    case effGetVendorString:
    case effGetProductString:
    case effShellGetNextPlugin: return 64;
    case effGetErrorText: return 256;
    default: return 0;
    }
}

bool takesInputText(VstInt32 opcode) {
    return opcode == effSetProgramName || opcode == effString2Parameter || opcode == effCanDo;
}

// A host text buffer: limit + 1 bytes of one fill byte, then guard bytes. On
// the heap, so that the sanitizer also sees a write past the guard.
class TextBuffer {
public:
    TextBuffer(std::size_t limit, char fill) : limit(limit), bytes(limit + 1 + guardBytes, fill) {
        std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(limit + 1), bytes.end(),
                  static_cast<char>(guardByte));
        before = bytes;
    }
    char* data() { return bytes.data(); }
    // Nothing past index limit changed, and the buffer is either untouched or
    // holds a terminator at or before index limit.
    void check() const {
        FUZZ_CHECK(std::memcmp(bytes.data() + limit + 1, before.data() + limit + 1, guardBytes) ==
                   0);
        FUZZ_CHECK(bytes == before || std::memchr(bytes.data(), 0, limit + 1) != nullptr);
    }
    std::string text() const { return std::string(bytes.data(), strnlen(bytes.data(), limit)); }

private:
    std::size_t limit;
    std::vector<char> bytes;
    std::vector<char> before;
};

// The channels of one block: each holds the block's samples, taken from the
// input, then guard samples.
template <typename Sample> class Channels {
public:
    Channels(VstInt32 count, std::size_t frames, FuzzedDataProvider& data) : frames(frames) {
        const std::size_t bytes = (frames + guardSamples) * sizeof(Sample);
        for (VstInt32 c = 0; c < count; ++c) {
            std::vector<unsigned char> raw =
                data.ConsumeBytes<unsigned char>(frames * sizeof(Sample));
            raw.resize(frames * sizeof(Sample));
            raw.resize(bytes, guardByte);
            std::vector<Sample> samples(frames + guardSamples);
            std::memcpy(samples.data(), raw.data(), bytes);
            storage.push_back(std::move(samples));
        }
        for (auto& samples : storage) pointers.push_back(samples.data());
        before = storage;
    }
    Sample** data() { return pointers.data(); }
    void checkGuards() const {
        for (std::size_t c = 0; c < storage.size(); ++c) {
            FUZZ_CHECK(std::memcmp(storage[c].data() + frames, before[c].data() + frames,
                                   guardSamples * sizeof(Sample)) == 0);
        }
    }
    void checkUnchanged() const {
        for (std::size_t c = 0; c < storage.size(); ++c) {
            FUZZ_CHECK(std::memcmp(storage[c].data(), before[c].data(),
                                   storage[c].size() * sizeof(Sample)) == 0);
        }
    }

private:
    static constexpr std::size_t guardSamples = 4;
    std::size_t frames;
    std::vector<std::vector<Sample>> storage;
    std::vector<std::vector<Sample>> before;
    std::vector<Sample*> pointers;
};

// One host session: the current record and what the host expects of it.
class Host {
public:
    explicit Host(FuzzedDataProvider& data) : data(data) { create(); }
    ~Host() { close(0, 0, nullptr, 0.0f); }
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    void step() {
        switch (data.ConsumeIntegralInRange(0, 6)) {
        case 0: dispatch(); break;
        case 1: setParameter(); break;
        case 2: checkParameter(consumeIndex()); break;
        case 3: processBlock<float>(effect->processReplacing); break;
        case 4: processBlock<float>(effect->process); break;
        case 5: processBlock<double>(effect->processDoubleReplacing); break;
        default:
            close(consumeIndex(), data.ConsumeIntegral<VstIntPtr>(), nullptr, 0.0f);
            create();
            break;
        }
        FUZZ_CHECK(std::memcmp(effect, &record, sizeof record) == 0);
    }

private:
    void create() {
        AudioEffect* object = createEffectInstance(hostCallback);
        FUZZ_CHECK(object != nullptr);
        effect = object->getAeffect();
        FUZZ_CHECK(effect->magic == kEffectMagic && effect->object == object);
        FUZZ_CHECK(effect->numInputs >= 0 && effect->numInputs <= 8);
        FUZZ_CHECK(effect->numOutputs >= 0 && effect->numOutputs <= 8);
        std::memcpy(&record, effect, sizeof record);
        for (VstInt32 i = 0; i < 3; ++i) parameters[i] = effect->getParameter(effect, i);
        TextBuffer name(programNameLimit, 0);
        effect->dispatcher(effect, effGetProgramName, 0, 0, name.data(), 0.0f);
        programName = name.text();
    }

    void close(VstInt32 index, VstIntPtr value, void* ptr, float opt) {
        FUZZ_CHECK(effect->dispatcher(effect, effClose, index, value, ptr, opt) == 1);
        effect = nullptr;
    }

    VstInt32 consumeIndex() {
        return data.ConsumeBool() ? data.ConsumeIntegralInRange<VstInt32>(-1, 3)
                                  : data.ConsumeIntegral<VstInt32>();
    }

    void dispatch() {
        const VstInt32 opcode = data.ConsumeBool() ? data.ConsumeIntegralInRange<VstInt32>(-1, 80)
                                                   : data.ConsumeIntegral<VstInt32>();
        const VstInt32 index = consumeIndex();
        VstIntPtr value = data.ConsumeIntegral<VstIntPtr>();
        const float opt = consumeFloatBits(data);
        const bool nullPtr = data.ConsumeIntegralInRange(0, 7) == 0;

        if (opcode == effClose) {
            close(index, value, nullptr, opt);
            create();
            return;
        }

        VstIntPtr answer = 0;
        if (const std::size_t limit = outputTextLimit(opcode)) {
            TextBuffer text(limit, data.ConsumeIntegral<char>());
            answer = call(opcode, index, value, nullPtr ? nullptr : text.data(), opt);
            text.check();
            if (opcode == effGetProgramName && !nullPtr) FUZZ_CHECK(text.text() == programName);
        } else if (takesInputText(opcode)) {
            const std::string given = data.ConsumeRandomLengthString(300);
            std::vector<char> text(given.c_str(), given.c_str() + given.size() + 1);
            answer = call(opcode, index, value, nullPtr ? nullptr : text.data(), opt);
            FUZZ_CHECK(std::equal(text.begin(), text.end(), given.c_str()));
            if (opcode == effSetProgramName && !nullPtr) {
                programName = std::string(given.c_str()).substr(0, programNameLimit);
            }
        } else if (opcode == effSetChunk) {
            std::vector<unsigned char> chunk = data.ConsumeBytes<unsigned char>(
                data.ConsumeIntegralInRange<std::size_t>(0, recordBytes));
            answer = call(opcode, index, static_cast<VstIntPtr>(chunk.size()),
                          nullPtr ? nullptr : chunk.data(), opt);
        } else if (opcode == effSetSpeakerArrangement) {
            std::vector<std::uint64_t> input(recordBytes / 8), output(recordBytes / 8);
            value = data.ConsumeBool() ? reinterpret_cast<VstIntPtr>(input.data()) : 0;
            answer = call(opcode, index, value, nullPtr ? nullptr : output.data(), opt);
        } else if (opcode == effGetSpeakerArrangement) {
            VstSpeakerArrangement* input = nullptr;
            VstSpeakerArrangement* output = nullptr;
            value = data.ConsumeBool() ? reinterpret_cast<VstIntPtr>(&input) : 0;
            answer = call(opcode, index, value, nullPtr ? nullptr : &output, opt);
        } else {
            // Every other opcode gets a zeroed record to read or fill, or null.
            std::vector<std::uint64_t> storage(recordBytes / 8);
            answer = call(opcode, index, value, nullPtr ? nullptr : storage.data(), opt);
        }
        if (opcode < 0 || opcode > effGetNumMidiOutputChannels) FUZZ_CHECK(answer == 0);
    }

    VstIntPtr call(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
        return effect->dispatcher(effect, opcode, index, value, ptr, opt);
    }

    void setParameter() {
        const VstInt32 index = consumeIndex();
        const float value = consumeFloatBits(data);
        effect->setParameter(effect, index, value);
        if (index >= 0 && index < 3) parameters[static_cast<std::size_t>(index)] = value;
        checkParameter(index);
    }

    // A parameter reads back exactly as the host sent it; any other index reads 0.
    void checkParameter(VstInt32 index) {
        const float expected =
            index >= 0 && index < 3 ? parameters[static_cast<std::size_t>(index)] : 0.0f;
        FUZZ_CHECK(sameBits(effect->getParameter(effect, index), expected));
    }

    template <typename Sample, typename Entry> void processBlock(Entry entry) {
        const VstInt32 frames = data.ConsumeBool()
                                    ? data.ConsumeIntegralInRange<VstInt32>(-maxBlock, maxBlock)
                                    : data.ConsumeIntegralInRange<VstInt32>(INT_MIN, -1);
        const std::size_t length = frames > 0 ? static_cast<std::size_t>(frames) : 0;
        const bool inPlace = effect->numInputs >= effect->numOutputs && data.ConsumeBool();
        Channels<Sample> inputs(effect->numInputs, length, data);
        Channels<Sample> outputs(effect->numOutputs, length, data);
        entry(effect, inputs.data(), inPlace ? inputs.data() : outputs.data(), frames);
        inputs.checkGuards();
        outputs.checkGuards();
        if (!inPlace) inputs.checkUnchanged();
        if (inPlace) outputs.checkUnchanged();
    }

    FuzzedDataProvider& data;
    AEffect* effect = nullptr;
    AEffect record;
    std::array<float, 3> parameters;
    std::string programName;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    Host host(data);
    while (data.remaining_bytes() > 0) host.step();
    return 0;
}
