#include "LevelView.h"

#include <cmath>
#include <cstdio>

namespace {

const char* const kRowNames[LevelView::kRows] = {"strip 1 L", "strip 1 R",  "strip 2 L",
                                                 "strip 2 R", "playback L", "playback R",
                                                 "main L",    "main R"};

}  // namespace

std::string LevelView::changeLine(DWORD unitCount, bool unitOpen) {
    std::string line =
        "units changed: " + std::to_string(unitCount) + (unitCount == 1 ? " unit" : " units");
    if (unitCount > 0)
        line += unitOpen ? ", watching unit 1" : ", unit 1 does not open";
    return line;
}

std::string LevelView::formatLevel(double level) {
    if (std::isinf(level))
        return "inf";
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", level + 0.0);  // full scale is -0.0, print 0.0
    return text;
}

std::string LevelView::plainLevels(const double levels[kRows]) {
    std::string line = "levels:";
    for (int i = 0; i < kRows; ++i)
        line += " " + formatLevel(levels[i]);
    return line;
}

std::string LevelView::barRow(int row, double level) {
    double fill = std::isnan(level) ? 0.0 : 1.0 - level / kRange;
    fill = fill < 0.0 ? 0.0 : fill > 1.0 ? 1.0 : fill;
    int filled = int(std::lround(fill * kBarWidth));
    return label(row) + std::string(size_t(filled), '#') +
           std::string(size_t(kBarWidth - filled), '.') + " " + formatLevel(level);
}

std::string LevelView::emptyRow(int row) {
    return label(row) + std::string(size_t(kBarWidth), '.');
}

std::string LevelView::label(int row) {
    char text[16];
    std::snprintf(text, sizeof text, "%-10s ", kRowNames[row]);
    return text;
}
