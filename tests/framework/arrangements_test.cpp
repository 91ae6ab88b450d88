// Speaker arrangements: building, releasing, copying and matching them, and
// the virtual steps a derived effect can take over.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "audioeffectx.h"

namespace {
class PlainEffectX : public AudioEffectX {
public:
    PlainEffectX() : AudioEffectX(nullptr, 1, 1) {}
    void processReplacing(float**, float**, VstInt32) noexcept override {}
};

// Owns one arrangement pointer and releases it through the framework.
struct Held {
    explicit Held(AudioEffectX& effect) : effect(effect) {}
    ~Held() { effect.deallocateArrangement(&arrangement); }
    AudioEffectX& effect;
    VstSpeakerArrangement* arrangement = nullptr;
};

std::size_t blockBytes(VstInt32 channels) { return 8 + 112 * static_cast<std::size_t>(channels); }

// Every byte of the block but numChannels is zero. Reading the whole block
// also makes the address sanitizer catch one that is too small.
void expectZeroedBlock(const VstSpeakerArrangement* arrangement, VstInt32 channels) {
    ASSERT_NE(arrangement, nullptr);
    EXPECT_EQ(arrangement->numChannels, channels);
    std::vector<unsigned char> bytes(blockBytes(channels));
    std::memcpy(bytes.data(), arrangement, bytes.size());
    std::memset(bytes.data() + offsetof(VstSpeakerArrangement, numChannels), 0, 4);
    EXPECT_EQ(bytes, std::vector<unsigned char>(bytes.size(), 0));
}

void fillSpeaker(VstSpeakerProperties& speaker, char nameChar, std::size_t nameLength, int seed) {
    speaker.azimuth = 0.25f * seed;
    speaker.elevation = -0.5f * seed;
    speaker.radius = 2.0f + seed;
    speaker.reserved = 7.0f * seed;
    std::memset(speaker.name, 0, sizeof speaker.name);
    std::memset(speaker.name, nameChar, nameLength);
    speaker.type = 100 + seed;
    for (std::size_t i = 0; i < sizeof speaker.future; ++i) {
        speaker.future[i] = static_cast<char>(0x80 + seed + i);
    }
}

// The destination as copySpeaker leaves it: the name cut to 63 characters.
void expectCopied(const VstSpeakerProperties& to, const VstSpeakerProperties& from) {
    EXPECT_EQ(to.azimuth, from.azimuth);
    EXPECT_EQ(to.elevation, from.elevation);
    EXPECT_EQ(to.radius, from.radius);
    EXPECT_EQ(to.reserved, from.reserved);
    EXPECT_EQ(std::string(to.name, strnlen(to.name, 64)),
              std::string(from.name, strnlen(from.name, 63)));
    EXPECT_EQ(to.name[63], 0);
    EXPECT_EQ(to.type, from.type);
    EXPECT_EQ(std::memcmp(to.future, from.future, sizeof to.future), 0);
}

TEST(ArrangementTest, AllocationBuildsAZeroedBlockOfTheWholeSize) {
    PlainEffectX effect;
    for (const VstInt32 channels : {0, 1, 2, 6, 64}) {
        SCOPED_TRACE(channels);
        Held held(effect);
        EXPECT_TRUE(effect.allocateArrangement(&held.arrangement, channels));
        expectZeroedBlock(held.arrangement, channels);
    }
}

// Run under the leak sanitizer: each allocation releases the block before,
// and the new block is zeroed whatever the old one held.
TEST(ArrangementTest, RepeatedAllocationReleasesTheOldBlock) {
    PlainEffectX effect;
    Held held(effect);
    for (VstInt32 round = 0; round < 200; ++round) {
        const VstInt32 channels = round % 9;
        ASSERT_TRUE(effect.allocateArrangement(&held.arrangement, channels));
        expectZeroedBlock(held.arrangement, channels);
        held.arrangement->type = round + 1;
        std::memset(held.arrangement->speakers, 0x5A, 112 * static_cast<std::size_t>(channels));
    }
}

TEST(ArrangementTest, NegativeOrOverflowingCountsAreRefused) {
    std::vector<VstInt32> refused = {-1, -112, INT32_MIN};
    // Where 8 + 112 * count can overflow the size type (32-bit targets).
    constexpr std::uintmax_t mostChannels = (SIZE_MAX - 8) / 112;
    if constexpr (mostChannels < INT32_MAX) {
        refused.push_back(static_cast<VstInt32>(mostChannels + 1));
        refused.push_back(INT32_MAX);
    }
    PlainEffectX effect;
    for (const VstInt32 channels : refused) {
        SCOPED_TRACE(channels);
        Held held(effect);
        ASSERT_TRUE(effect.allocateArrangement(&held.arrangement, 4));
        EXPECT_FALSE(effect.allocateArrangement(&held.arrangement, channels));
        EXPECT_EQ(held.arrangement, nullptr);
    }
}

TEST(ArrangementTest, DeallocationIsHarmlessOnNullAndTwice) {
    PlainEffectX effect;
    VstSpeakerArrangement* arrangement = nullptr;
    EXPECT_TRUE(effect.deallocateArrangement(&arrangement));
    EXPECT_TRUE(effect.allocateArrangement(&arrangement, 2));
    EXPECT_TRUE(effect.deallocateArrangement(&arrangement));
    EXPECT_EQ(arrangement, nullptr);
    EXPECT_TRUE(effect.deallocateArrangement(&arrangement));
    EXPECT_EQ(arrangement, nullptr);
}

TEST(ArrangementTest, CopySpeakerCutsTheNameAndKeepsFutureBytes) {
    PlainEffectX effect;
    VstSpeakerProperties from;
    fillSpeaker(from, 'n', 64, 3); // 64 characters and no terminator
    VstSpeakerProperties to;
    std::memset(&to, 0xEE, sizeof to);
    EXPECT_TRUE(effect.copySpeaker(&to, &from));
    expectCopied(to, from);
    EXPECT_EQ(std::string(to.name), std::string(63, 'n'));
}

TEST(ArrangementTest, CopySpeakerWithANullSideWritesNothing) {
    PlainEffectX effect;
    VstSpeakerProperties speaker;
    std::memset(&speaker, 0xEE, sizeof speaker);
    const VstSpeakerProperties before = speaker;
    EXPECT_FALSE(effect.copySpeaker(&speaker, nullptr));
    EXPECT_FALSE(effect.copySpeaker(nullptr, &speaker));
    EXPECT_EQ(std::memcmp(&speaker, &before, sizeof speaker), 0);
}

TEST(ArrangementTest, MatchingTwoChannelsIntoSix) {
    PlainEffectX effect;
    Held source(effect);
    ASSERT_TRUE(effect.allocateArrangement(&source.arrangement, 2));
    source.arrangement->type = 1;
    fillSpeaker(source.arrangement->speakers[0], 'L', 4, 1);
    fillSpeaker(source.arrangement->speakers[1], 'R', 64, 2);
    Held destination(effect);
    ASSERT_TRUE(effect.allocateArrangement(&destination.arrangement, 6));
    destination.arrangement->type = 9;

    EXPECT_TRUE(effect.matchArrangement(&destination.arrangement, source.arrangement));

    const VstSpeakerArrangement& matched = *destination.arrangement;
    EXPECT_EQ(matched.type, 1);
    ASSERT_EQ(matched.numChannels, 2);
    for (int i = 0; i < 2; ++i) expectCopied(matched.speakers[i], source.arrangement->speakers[i]);
}

TEST(ArrangementTest, MatchingANullSourceLeavesTheDestination) {
    PlainEffectX effect;
    Held destination(effect);
    ASSERT_TRUE(effect.allocateArrangement(&destination.arrangement, 3));
    VstSpeakerArrangement* const before = destination.arrangement;
    EXPECT_FALSE(effect.matchArrangement(&destination.arrangement, nullptr));
    EXPECT_EQ(destination.arrangement, before);
    expectZeroedBlock(destination.arrangement, 3);
}

// An arrangement matched with itself already matches; it must not be read
// after its release.
TEST(ArrangementTest, MatchingAnArrangementWithItselfKeepsIt) {
    PlainEffectX effect;
    Held held(effect);
    ASSERT_TRUE(effect.allocateArrangement(&held.arrangement, 2));
    held.arrangement->type = 5;
    fillSpeaker(held.arrangement->speakers[1], 'R', 5, 2);
    VstSpeakerProperties expected = held.arrangement->speakers[1];

    EXPECT_TRUE(effect.matchArrangement(&held.arrangement, held.arrangement));

    ASSERT_NE(held.arrangement, nullptr);
    EXPECT_EQ(held.arrangement->type, 5);
    ASSERT_EQ(held.arrangement->numChannels, 2);
    expectCopied(held.arrangement->speakers[1], expected);
}

// A derived effect that notes each arrangement step matchArrangement takes
// and can make one of them fail.
class StepProbe : public PlainEffectX {
public:
    bool deallocateArrangement(VstSpeakerArrangement** arrangement) noexcept override {
        steps.push_back("deallocate");
        return !failDeallocate && AudioEffectX::deallocateArrangement(arrangement);
    }
    bool allocateArrangement(VstSpeakerArrangement** arrangement,
                             VstInt32 channels) noexcept override {
        steps.push_back("allocate " + std::to_string(channels));
        return !failAllocate && AudioEffectX::allocateArrangement(arrangement, channels);
    }
    bool copySpeaker(VstSpeakerProperties* to, VstSpeakerProperties* from) noexcept override {
        steps.push_back("copy");
        return steps.size() != failAtStep && AudioEffectX::copySpeaker(to, from);
    }
    std::vector<std::string> steps;
    bool failDeallocate = false;
    bool failAllocate = false;
    std::size_t failAtStep = 0;
};

TEST(ArrangementTest, MatchingGoesThroughTheDerivedSteps) {
    enum class Left { Old, None, New };
    const struct {
        const char* name;
        bool failDeallocate, failAllocate;
        std::size_t failAtStep;
        bool matched;
        std::vector<std::string> steps;
        Left destination;
    } cases[] = {
        {"all succeed",
         false,
         false,
         0,
         true,
         {"deallocate", "allocate 3", "copy", "copy", "copy"},
         Left::New},
        {"deallocate fails", true, false, 0, false, {"deallocate"}, Left::Old},
        {"allocate fails", false, true, 0, false, {"deallocate", "allocate 3"}, Left::None},
        {"second copy fails",
         false,
         false,
         4,
         false,
         {"deallocate", "allocate 3", "copy", "copy"},
         Left::New},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        StepProbe effect;
        Held source(effect), destination(effect);
        ASSERT_TRUE(effect.AudioEffectX::allocateArrangement(&source.arrangement, 3));
        source.arrangement->type = 2;
        for (int i = 0; i < 3; ++i) fillSpeaker(source.arrangement->speakers[i], 'a' + i, 8, i);
        ASSERT_TRUE(effect.AudioEffectX::allocateArrangement(&destination.arrangement, 6));
        VstSpeakerArrangement* const old = destination.arrangement;
        effect.failDeallocate = row.failDeallocate;
        effect.failAllocate = row.failAllocate;
        effect.failAtStep = row.failAtStep;

        EXPECT_EQ(effect.matchArrangement(&destination.arrangement, source.arrangement),
                  row.matched);
        EXPECT_EQ(effect.steps, row.steps);
        effect.failDeallocate = false;

        switch (row.destination) {
        case Left::Old: EXPECT_EQ(destination.arrangement, old); break;
        case Left::None: EXPECT_EQ(destination.arrangement, nullptr); break;
        case Left::New: {
            ASSERT_NE(destination.arrangement, nullptr);
            const VstSpeakerArrangement& left = *destination.arrangement;
            EXPECT_EQ(left.type, 2);
            ASSERT_EQ(left.numChannels, 3);
            const std::size_t copied = row.matched ? 3 : row.failAtStep - 3;
            for (std::size_t i = 0; i < 3; ++i) {
                if (i < copied) {
                    expectCopied(left.speakers[i], source.arrangement->speakers[i]);
                } else {
                    const VstSpeakerProperties zero{};
                    EXPECT_EQ(std::memcmp(&left.speakers[i], &zero, sizeof zero), 0);
                }
            }
            break;
        }
        }
    }
}
} // namespace
