// fxhost curve draws the measured transfer curve with labelled axes.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "fxhostrun.h"

namespace {
std::string contents(const std::string& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(CurveTest, DrawsTheMeasuredCurveWithLabelledAxes) {
    const ScratchFolder folder;
    const std::string out = folder.file("curve.svg");
    const FxhostRun run = runFxhost({"curve", CLIPFX_PATH, out, "--param", "0=0.4"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string svg = contents(out);
    EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
    EXPECT_NE(svg.find(">input"), std::string::npos);
    EXPECT_NE(svg.find(">output</text>"), std::string::npos);
    EXPECT_NE(svg.find("Pre Clip = 0.4, Clip Val = 0.1, Post Cli = 0.1"), std::string::npos);
    std::vector<std::string> curves;
    const std::string start = "<polyline ";
    for (auto at = svg.find(start); at != std::string::npos; at = svg.find(start, at + 1)) {
        const auto points = svg.find("points='", at) + 8;
        curves.push_back(svg.substr(points, svg.find('\'', points) - points));
    }
    // Both channels clip alike, so they share one curve; the y axis reaches
    // 0.02 for a peak of 0.015.
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_NE(svg.find(">0.02</text>"), std::string::npos);
    EXPECT_NE(svg.find(">-0.02</text>"), std::string::npos);
    EXPECT_EQ(std::count(curves[0].begin(), curves[0].end(), ','), 1001);
}
} // namespace
