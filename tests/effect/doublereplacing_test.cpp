// The double-precision path: a sign split that writes within its block and
// leaves no stale element.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "floatbits.h"
#include "test.h"

namespace {
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double stale = 7.0;
constexpr std::size_t guard = 4;

// Two channels of a block followed by guard elements no write may reach.
struct Block {
    Block(std::vector<double> leftSamples, std::vector<double> rightSamples)
        : frames(leftSamples.size()), left(std::move(leftSamples)), right(std::move(rightSamples)) {
        left.resize(frames + guard, stale);
        right.resize(frames + guard, stale);
    }
    explicit Block(std::size_t frames)
        : Block(std::vector<double>(frames, stale), std::vector<double>(frames, stale)) {}

    double** channels() {
        pointers[0] = left.data();
        pointers[1] = right.data();
        return pointers;
    }
    std::vector<double> leftBlock() const { return {left.begin(), left.begin() + frames}; }
    std::vector<double> rightBlock() const { return {right.begin(), right.begin() + frames}; }
    bool guardsIntact() const {
        for (std::size_t k = frames; k < frames + guard; ++k) {
            if (left[k] != stale || right[k] != stale) return false;
        }
        return true;
    }

    std::size_t frames;
    std::vector<double> left, right;
    double* pointers[2];
};

// What the split must give: each output holds, in order, the samples routed
// to it (those compared >= 0.0 to the left, the others to the right), each
// stored as 0.0 + sample, cut to the block's length, then zeros.
void expectSplit(const Block& in, const Block& out) {
    std::vector<double> left, right;
    for (std::size_t k = 0; k < in.frames; ++k) {
        for (double sample : {in.left[k], in.right[k]}) {
            (sample >= 0.0 ? left : right).push_back(0.0 + sample);
        }
    }
    left.resize(in.frames, 0.0);
    right.resize(in.frames, 0.0);
    const auto asBits = [](const std::vector<double>& samples) {
        std::vector<std::uint64_t> bits;
        for (double sample : samples) bits.push_back(bitsOf(sample));
        return bits;
    };
    EXPECT_EQ(asBits(out.leftBlock()), asBits(left));
    EXPECT_EQ(asBits(out.rightBlock()), asBits(right));
    EXPECT_TRUE(out.guardsIntact());
}

void run(Block& in, Block& out) {
    ::Test(nullptr).processDoubleReplacing(in.channels(), out.channels(),
                                           static_cast<VstInt32>(in.frames));
}

TEST(ClipDoubleTest, TheExampleInSeparateBuffersAndInPlace) {
    Block in({0.5, -0.25}, {-1.0, 2.0});
    Block out(2);
    run(in, out);
    EXPECT_EQ(out.leftBlock(), (std::vector<double>{0.5, 2.0}));
    EXPECT_EQ(out.rightBlock(), (std::vector<double>{-1.0, -0.25}));
    EXPECT_TRUE(out.guardsIntact());

    run(in, in);
    EXPECT_EQ(in.leftBlock(), (std::vector<double>{0.5, 2.0}));
    EXPECT_EQ(in.rightBlock(), (std::vector<double>{-1.0, -0.25}));
    EXPECT_TRUE(in.guardsIntact());
}

TEST(ClipDoubleTest, NegativeZeroArrivesLeftAsPositiveZeroAndNanGoesRight) {
    Block in({-0.0, nan}, {nan, -0.0});
    Block out(2);
    run(in, out);
    EXPECT_EQ(bitsOf(out.left[0]), bitsOf(0.0));
    EXPECT_EQ(bitsOf(out.left[1]), bitsOf(0.0));
    EXPECT_TRUE(std::isnan(out.right[0]));
    EXPECT_TRUE(std::isnan(out.right[1]));
}

TEST(ClipDoubleTest, SplitsKeepWithinTheBlockAndLeaveNothingStale) {
    const struct Case {
        const char* what;
        std::vector<double> left, right;
    } cases[] = {
        {"everything to the left: the rest dropped, the right all zeros",
         {1.0, 2.0, 3.0},
         {4.0, 5.0, 6.0}},
        {"everything to the right", {-1.0, -2.0, -3.0}, {-4.0, -5.0, -6.0}},
        {"both samples of a frame to one output, then the other",
         {1.0, -2.0, 3.0, -4.0},
         {5.0, -6.0, 7.0, -8.0}},
        {"one frame", {-1.0}, {-2.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Block in(c.left, c.right);
        Block out(c.left.size());
        run(in, out);
        expectSplit(in, out);
    }
}

TEST(ClipDoubleTest, RandomBlocksMatchTheSplit) {
    std::mt19937 engine(7);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    for (int trial = 0; trial < 200; ++trial) {
        const std::size_t frames = 1 + engine() % 40;
        // A bias towards one sign makes one output run ahead of the other.
        const double bias = value(engine);
        std::vector<double> left(frames), right(frames);
        for (std::size_t k = 0; k < frames; ++k) {
            left[k] = value(engine) + bias;
            switch (engine() % 16) {
            case 0: right[k] = -0.0; break;
            case 1: right[k] = nan; break;
            default: right[k] = value(engine) + bias; break;
            }
        }
        Block in(left, right);
        Block out(frames);
        run(in, out);
        expectSplit(in, out);
    }
}

TEST(ClipDoubleTest, InPlaceMatchesSeparateBuffersWhileEachFrameFeedsBothOutputs) {
    std::mt19937 engine(11);
    std::uniform_real_distribution<double> magnitude(0.0, 1.0);
    for (int trial = 0; trial < 50; ++trial) {
        const std::size_t frames = 1 + engine() % 40;
        std::vector<double> left(frames), right(frames);
        for (std::size_t k = 0; k < frames; ++k) {
            // One sample of every frame to each output, on either channel.
            const bool leftIsPositive = engine() % 2;
            left[k] = leftIsPositive ? magnitude(engine) : -1.0 - magnitude(engine);
            right[k] = leftIsPositive ? -1.0 - magnitude(engine) : magnitude(engine);
        }
        Block separateIn(left, right);
        Block separateOut(frames);
        run(separateIn, separateOut);
        Block inPlace(left, right);
        run(inPlace, inPlace);
        EXPECT_EQ(inPlace.leftBlock(), separateOut.leftBlock());
        EXPECT_EQ(inPlace.rightBlock(), separateOut.rightBlock());
        EXPECT_TRUE(inPlace.guardsIntact());
    }
}

TEST(ClipDoubleTest, NoFramesLeaveEveryOutputUntouched) {
    for (VstInt32 frames : {0, -1}) {
        Block in({1.0, -1.0}, {1.0, -1.0});
        Block out(2);
        ::Test(nullptr).processDoubleReplacing(in.channels(), out.channels(), frames);
        EXPECT_EQ(out.left, std::vector<double>(2 + guard, stale)) << frames;
        EXPECT_EQ(out.right, std::vector<double>(2 + guard, stale)) << frames;
    }
}
} // namespace
