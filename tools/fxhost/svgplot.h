// A line chart as an SVG document: curves of y against x over x from -1 to
// +1, with a y range rounded up to a plain number, grid, ticks and labelled
// axes.
#pragma once

#include <string>
#include <vector>

struct Plot {
    std::string title;
    std::string subtitle;
    std::string xLabel;
    std::string yLabel;
    std::vector<double> x;
    // One curve per entry, each as long as x; points that are not finite are
    // left out and break the line.
    std::vector<std::vector<double>> curves;
    std::vector<std::string> curveNames; // shown as a legend for two curves or more
};

std::string svgPlot(const Plot& plot);
