// The tone curves of a monitor as a self-contained SVG picture: axes, a
// grid at every tenth, one polyline per channel and a legend.
#pragma once

#include <string>
#include <vector>

#include "lut_csv.hpp"

namespace dvc::cli {

struct PlotCurve {
    std::string name;
    std::string colour;  // an SVG colour
    LutLevels levels;
};

std::string PlotCurvesSvg(const std::vector<PlotCurve>& curves, const std::string& title);

}  // namespace dvc::cli
