#include "svgplot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace {
constexpr double kWidth = 640, kHeight = 480;
constexpr double kLeft = 80, kRight = 30, kTop = 70, kBottom = 60;
constexpr double kPlotWidth = kWidth - kLeft - kRight, kPlotHeight = kHeight - kTop - kBottom;
constexpr std::array<const char*, 4> kColours{"#1f5fbf", "#d2452b", "#2b9a4a", "#8a3fb0"};

// The smallest of 1, 2 and 5 times a power of ten that is at least value.
double plainCeiling(double value) {
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 2.0, 5.0, 10.0}) {
        if (step * power >= value) return step * power;
    }
    return 10.0 * power;
}

std::string escaped(const std::string& text) {
    std::string result;
    for (char c : text) {
        switch (c) {
        case '&': result += "&amp;"; break;
        case '<': result += "&lt;"; break;
        case '>': result += "&gt;"; break;
        case '"': result += "&quot;"; break;
        default: result += c;
        }
    }
    return result;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string fixed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

double yLimit(const Plot& plot) {
    double largest = 0.0;
    for (const auto& curve : plot.curves) {
        for (double y : curve) {
            if (std::isfinite(y)) largest = std::max(largest, std::fabs(y));
        }
    }
    return largest > 0.0 ? plainCeiling(largest) : 1.0;
}

void grid(std::ostringstream& svg, double limit) {
    for (int tick = -2; tick <= 2; ++tick) {
        const double x = kLeft + (tick + 2) * kPlotWidth / 4;
        const double y = kTop + (2 - tick) * kPlotHeight / 4;
        const char* stroke = tick == 0 ? "#888" : "#ddd";
        svg << "<line x1='" << fixed(x) << "' y1='" << kTop << "' x2='" << fixed(x) << "' y2='"
            << kTop + kPlotHeight << "' stroke='" << stroke << "'/>\n"
            << "<line x1='" << kLeft << "' y1='" << fixed(y) << "' x2='" << kLeft + kPlotWidth
            << "' y2='" << fixed(y) << "' stroke='" << stroke << "'/>\n"
            << "<text x='" << fixed(x) << "' y='" << kTop + kPlotHeight + 18
            << "' text-anchor='middle'>" << number(tick * 0.5) << "</text>\n"
            << "<text x='" << kLeft - 8 << "' y='" << fixed(y + 4) << "' text-anchor='end'>"
            << number(tick * limit / 2) << "</text>\n";
    }
    svg << "<rect x='" << kLeft << "' y='" << kTop << "' width='" << kPlotWidth << "' height='"
        << kPlotHeight << "' fill='none' stroke='#444'/>\n";
}

void curve(std::ostringstream& svg, const Plot& plot, const std::vector<double>& ys, double limit,
           const char* colour) {
    std::string points;
    const auto flush = [&] {
        if (!points.empty()) {
            svg << "<polyline fill='none' stroke='" << colour << "' stroke-width='2' points='"
                << points << "'/>\n";
        }
        points.clear();
    };
    for (std::size_t k = 0; k < plot.x.size() && k < ys.size(); ++k) {
        if (!std::isfinite(plot.x[k]) || !std::isfinite(ys[k])) {
            flush();
            continue;
        }
        const double px = kLeft + (plot.x[k] + 1.0) / 2.0 * kPlotWidth;
        const double py = kTop + (limit - ys[k]) / (2.0 * limit) * kPlotHeight;
        points += fixed(px) + "," + fixed(py) + " ";
    }
    flush();
}

void legend(std::ostringstream& svg, const Plot& plot) {
    if (plot.curves.size() < 2) return;
    for (std::size_t k = 0; k < plot.curveNames.size(); ++k) {
        const double y = kTop + 16 + 16.0 * static_cast<double>(k);
        svg << "<text x='" << kLeft + 10 << "' y='" << y << "' fill='"
            << kColours[k % kColours.size()] << "'>" << escaped(plot.curveNames[k]) << "</text>\n";
    }
}
} // namespace

std::string svgPlot(const Plot& plot) {
    const double limit = yLimit(plot);
    std::ostringstream svg;
    svg << "<svg xmlns='http://www.w3.org/2000/svg' width='" << kWidth << "' height='" << kHeight
        << "' viewBox='0 0 " << kWidth << " " << kHeight
        << "' font-family='sans-serif' font-size='12'>\n"
        << "<rect width='100%' height='100%' fill='white'/>\n"
        << "<text x='" << kWidth / 2 << "' y='28' text-anchor='middle' font-size='16'>"
        << escaped(plot.title) << "</text>\n"
        << "<text x='" << kWidth / 2 << "' y='48' text-anchor='middle' fill='#555'>"
        << escaped(plot.subtitle) << "</text>\n";
    grid(svg, limit);
    for (std::size_t k = 0; k < plot.curves.size(); ++k) {
        curve(svg, plot, plot.curves[k], limit, kColours[k % kColours.size()]);
    }
    legend(svg, plot);
    svg << "<text x='" << kLeft + kPlotWidth / 2 << "' y='" << kHeight - 14
        << "' text-anchor='middle'>" << escaped(plot.xLabel) << "</text>\n"
        << "<text transform='translate(22 " << kTop + kPlotHeight / 2
        << ") rotate(-90)' text-anchor='middle'>" << escaped(plot.yLabel) << "</text>\n"
        << "</svg>\n";
    return svg.str();
}
