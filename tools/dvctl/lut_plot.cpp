#include "lut_plot.hpp"

#include <fmt/core.h>
#include <algorithm>

namespace dvc::cli {

namespace {

// The plot area inside the picture, in SVG user units.
constexpr double kLeft = 60, kTop = 40, kSide = 480;
constexpr double kWidth = kLeft + kSide + 140, kHeight = kTop + kSide + 50;

double X(double input) { return kLeft + input * kSide; }
double Y(double level) { return kTop + (1.0 - std::clamp(level, 0.0, 1.0)) * kSide; }

// Text goes into the picture as character data.
std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c;
    }
    return out;
}

}  // namespace

std::string PlotCurvesSvg(const std::vector<PlotCurve>& curves, const std::string& title) {
    std::string svg = fmt::format(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"{0}\" height=\"{1}\" viewBox=\"0 0 {0} {1}\" "
        "font-family=\"sans-serif\" font-size=\"12\">\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
        "<text x=\"{2}\" y=\"24\" font-size=\"15\">{3}</text>\n",
        kWidth, kHeight, kLeft, Escaped(title));
    for (int i = 0; i <= 10; ++i) {
        const double t = i / 10.0;
        svg += fmt::format("<line x1=\"{0}\" y1=\"{1}\" x2=\"{0}\" y2=\"{2}\" stroke=\"#ddd\"/>\n", X(t), Y(0), Y(1));
        svg += fmt::format("<line x1=\"{0}\" y1=\"{1}\" x2=\"{2}\" y2=\"{1}\" stroke=\"#ddd\"/>\n", X(0), Y(t), X(1));
        svg += fmt::format("<text x=\"{}\" y=\"{}\" text-anchor=\"middle\">{:.1f}</text>\n", X(t), Y(0) + 18, t);
        svg += fmt::format("<text x=\"{}\" y=\"{}\" text-anchor=\"end\">{:.1f}</text>\n", X(0) - 6, Y(t) + 4, t);
    }
    svg += fmt::format("<rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\" fill=\"none\" stroke=\"black\"/>\n", kLeft,
                       kTop, kSide, kSide);
    svg += fmt::format("<text x=\"{}\" y=\"{}\" text-anchor=\"middle\">input level</text>\n", X(0.5), Y(0) + 38);
    svg += fmt::format(
        "<text x=\"16\" y=\"{0}\" text-anchor=\"middle\" transform=\"rotate(-90 16 {0})\">output "
        "level</text>\n",
        Y(0.5));
    for (std::size_t c = 0; c < curves.size(); ++c) {
        const PlotCurve& curve = curves[c];
        std::string points;
        for (std::size_t i = 0; i < kLutEntries; ++i)
            points += fmt::format("{}{:.2f},{:.2f}", i ? " " : "", X(i / 255.0), Y(curve.levels[i]));
        svg += fmt::format("<polyline fill=\"none\" stroke=\"{}\" stroke-width=\"1.5\" points=\"{}\"/>\n", curve.colour,
                           points);
        const double y = kTop + 20 + 22 * static_cast<double>(c);
        svg += fmt::format("<line x1=\"{0}\" y1=\"{1}\" x2=\"{2}\" y2=\"{1}\" stroke=\"{3}\" stroke-width=\"3\"/>\n",
                           X(1) + 20, y, X(1) + 44, curve.colour);
        svg += fmt::format("<text x=\"{}\" y=\"{}\">{}</text>\n", X(1) + 50, y + 4, Escaped(curve.name));
    }
    return svg + "</svg>\n";
}

}  // namespace dvc::cli
