#pragma once
#include <windows.h>

#include <string>

// The text of unitwatch: unit-set changes, level lines and the bar display.
class LevelView {
public:
    static constexpr int kRows = 8;
    // Levels at or beyond this distance below full scale show an empty bar.
    static constexpr double kRange = 60.0;
    static constexpr int kBarWidth = 40;

    static std::string changeLine(DWORD unitCount, bool unitOpen);
    static std::string plainLevels(const double levels[kRows]);
    // One row of the bar display, without its line end.
    static std::string barRow(int row, double level);
    // A row with an empty bar and no figure, while no levels are read.
    static std::string emptyRow(int row);
    static std::string formatLevel(double level);

private:
    static std::string label(int row);
};
