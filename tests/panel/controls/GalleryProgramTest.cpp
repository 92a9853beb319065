#include "ScopedEnv.h"
#include "SkinData.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>

namespace {

// Runs the gallery program with the arguments, as a shell would; its exit code.
int gallery(const std::string& arguments) {
    const std::string command = std::string(GALLERY_PATH) + " " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());  // NOLINT(cert-env33-c)
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

TEST(GalleryProgram, RendersEveryControlIntoOnePngWithoutTouchingAnyBus) {
    TempDir dir;
    const ScopedEnv bus("TVC_SIM_BUS", dir.file("bus.ini"));
    const ScopedEnv state("XDG_STATE_HOME", dir.file("state"));
    const std::string output = dir.file("docs/gallery.png");

    ASSERT_EQ(gallery(output), 0);
    const juce::Image sheet = juce::ImageFileFormat::loadFrom(juce::File(output));
    ASSERT_TRUE(sheet.isValid());
    EXPECT_GT(sheet.getWidth(), 1500) << "the widest row, the title bar, at twice the size";
    EXPECT_GT(sheet.getHeight(), 3000);
    EXPECT_FALSE(exists(dir.file("bus.ini"))) << "no bus file was made or read";
    EXPECT_FALSE(exists(dir.file("state")));

    ASSERT_EQ(gallery(output), 0) << "an existing picture is replaced";
    EXPECT_EQ(juce::ImageFileFormat::loadFrom(juce::File(output)).getBounds(), sheet.getBounds());
}

// One cell of the sheet as the program's --cells file places it.
struct Cell {
    std::string row;
    std::string label;
    juce::Rectangle<int> picture;
};

std::vector<Cell> readCells(const std::string& path) {
    std::vector<Cell> cells;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Cell cell;
        int x = 0, y = 0, w = 0, h = 0;
        std::getline(fields, cell.row, '\t');
        std::getline(fields, cell.label, '\t');
        fields >> x >> y >> w >> h;
        cell.picture = {x, y, w, h};
        cells.push_back(cell);
    }
    return cells;
}

const Cell* findCell(const std::vector<Cell>& cells, const std::string& row,
                     const std::string& label) {
    for (const Cell& cell : cells)
        if (cell.row == row && cell.label == label)
            return &cell;
    return nullptr;
}

juce::Image skin(const char* data, int size) {
    return juce::ImageFileFormat::loadFrom(data, size_t(size));
}

// What a cell should show: its background with a control of the artwork's
// size (or `control`) in the middle showing the artwork at twice the size; only
// inside `only` (in the control's pixels) when given.
juce::Image expected(const juce::Image& background, const juce::Image& artwork,
                     juce::Rectangle<int> control = {}, juce::Rectangle<int> only = {}) {
    juce::Image picture = background.createCopy();
    juce::Graphics g(picture);
    if (control.isEmpty())
        control = artwork.getBounds();
    const int x = (picture.getWidth() - 2 * control.getWidth()) / 2;
    const int y = (picture.getHeight() - 2 * control.getHeight()) / 2;
    if (!only.isEmpty())
        g.reduceClipRegion(only * 2 + juce::Point<int>(x, y));
    g.drawImageTransformed(artwork, juce::AffineTransform::scale(2.0f).translated(x, y));
    return picture;
}

// The cell's picture area filled with the colour at its corner, a margin the
// control does not cover.
juce::Image background(const juce::Image& sheet, const Cell& cell) {
    juce::Image plain(juce::Image::RGB, cell.picture.getWidth(), cell.picture.getHeight(), false);
    plain.clear(plain.getBounds(), sheet.getPixelAt(cell.picture.getX(), cell.picture.getY()));
    return plain;
}

// The share of the cell's pixels that differ from the picture by more than
// the resampling's rounding in any channel.
double mismatch(const juce::Image& sheet, const Cell& cell, const juce::Image& picture) {
    int differing = 0;
    for (int y = 0; y < picture.getHeight(); ++y)
        for (int x = 0; x < picture.getWidth(); ++x) {
            const juce::Colour a =
                sheet.getPixelAt(cell.picture.getX() + x, cell.picture.getY() + y);
            const juce::Colour b = picture.getPixelAt(x, y);
            const int d =
                std::max({std::abs(a.getRed() - b.getRed()), std::abs(a.getGreen() - b.getGreen()),
                          std::abs(a.getBlue() - b.getBlue())});
            differing += d > 12 ? 1 : 0;
        }
    return double(differing) / double(picture.getWidth() * picture.getHeight());
}

struct ButtonRow {
    const char* title;
    juce::Image on, off, pressed;
};

#define SKIN(name) skin(SkinData::name, SkinData::name##Size)

std::vector<ButtonRow> buttonRows() {
    return {
        {"Mute", SKIN(muteon_png), SKIN(muteoff_png), SKIN(mutedown_png)},
        {"Boost", SKIN(booston_png), SKIN(buttonoff_png), SKIN(boostdown_png)},
        {"Phono", SKIN(phonoon_png), SKIN(buttonoff_png), SKIN(phonodown_png)},
        {"Phantom power, limiter", SKIN(preampbuttonon_png), SKIN(buttonoff_png),
         SKIN(preampbuttondown_png)},
        {"Mix bypass", SKIN(mixbypasson_png), SKIN(mixbypassoff_png), SKIN(mixbypassdown_png)},
        {"Link", SKIN(linkon_png), SKIN(linkoff_png), SKIN(linkdown_png)},
        {"Main mute (shade view)", SKIN(stereooff_png), SKIN(stereoon_png), SKIN(stereodown_png)},
        {"Always on top", SKIN(aotonhover_png), SKIN(aotoff_png), SKIN(aotoffdown_png)},
        {"Window shade", SKIN(shadehover_png), SKIN(shade_png), SKIN(shadedown_png)},
        {"Load", SKIN(load_png), SKIN(load_png), SKIN(loaddown_png)},
        {"Save", SKIN(save_png), SKIN(save_png), SKIN(savedown_png)},
    };
}

#undef SKIN

TEST(GalleryProgram, NamedCellsShowTheirControlsInTheRowsOrder) {
    TempDir dir;
    const ScopedEnv bus("TVC_SIM_BUS", dir.file("bus.ini"));
    ASSERT_EQ(gallery("--cells " + dir.file("cells.txt") + " " + dir.file("sheet.png")), 0);
    const juce::Image sheet = juce::ImageFileFormat::loadFrom(juce::File(dir.file("sheet.png")));
    const std::vector<Cell> cells = readCells(dir.file("cells.txt"));
    ASSERT_TRUE(sheet.isValid());

    const std::vector<std::string> rows = {"Small knob",
                                           "Master knob",
                                           "Dual-knob ring",
                                           "Dual knob (line L inner, R ring)",
                                           "Fader",
                                           "Pan",
                                           "Meter",
                                           "Mute",
                                           "Boost",
                                           "Phono",
                                           "Phantom power, limiter",
                                           "Mix bypass",
                                           "Link",
                                           "Main mute (shade view)",
                                           "Always on top",
                                           "Minimise",
                                           "Window shade",
                                           "Load",
                                           "Save",
                                           "Unit selector",
                                           "Sample-rate selector",
                                           "Tooltip",
                                           "Close button",
                                           "Title bar"};
    std::vector<std::string> seen;
    int lastTop = -1;
    for (const Cell& cell : cells) {
        EXPECT_TRUE(sheet.getBounds().contains(cell.picture)) << cell.row << " " << cell.label;
        if (!seen.empty() && seen.back() == cell.row)
            continue;
        EXPECT_GT(cell.picture.getY(), lastTop) << cell.row << " lies below the row before";
        lastTop = cell.picture.getY();
        seen.push_back(cell.row);
    }
    EXPECT_EQ(seen, rows);

    for (const ButtonRow& row : buttonRows()) {
        const std::pair<const char*, const juce::Image*> states[] = {
            {"on", &row.on}, {"off", &row.off}, {"pressed", &row.pressed}};
        for (const auto& [label, artwork] : states) {
            const Cell* cell = findCell(cells, row.title, label);
            ASSERT_NE(cell, nullptr) << row.title << " " << label;
            const juce::Image want = expected(background(sheet, *cell), *artwork);
            EXPECT_LT(mismatch(sheet, *cell, want), 0.005) << row.title << " " << label;
        }
        const Cell* on = findCell(cells, row.title, "on");
        const Cell* pressed = findCell(cells, row.title, "pressed");
        const juce::Image pressedArt = expected(background(sheet, *pressed), row.pressed);
        EXPECT_GT(mismatch(sheet, *on, pressedArt), 0.02) << row.title << ": on and pressed differ";
    }

    // The meter: nothing lit when silent; fed to display 90, the skin's fill from there
    // down (the peak marker stands on the bar's top edge).
    const juce::Image fill = skin(SkinData::meterfill_png, SkinData::meterfill_pngSize);
    const Cell* silent = findCell(cells, "Meter", "silent");
    const Cell* bar = findCell(cells, "Meter", "bar");
    ASSERT_NE(silent, nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_LT(mismatch(sheet, *silent, background(sheet, *silent)), 0.001);
    const juce::Image lit =
        expected(background(sheet, *bar), fill, {0, 0, 10, 125}, {0, 90, 10, 35});
    EXPECT_LT(mismatch(sheet, *bar, lit), 0.01);
    EXPECT_GT(mismatch(sheet, *silent, lit), 0.05) << "the silent and the lit meter differ";
}

TEST(GalleryProgram, SaysHowToUseItAndFailsOnAnUnwritablePath) {
    TempDir dir;
    EXPECT_EQ(gallery(""), 2);
    EXPECT_EQ(gallery("a.png b.png"), 2);
    EXPECT_EQ(gallery("--cells"), 2);
    const std::string blocker = dir.file("file");
    ASSERT_TRUE(juce::File(blocker).replaceWithText("not a folder"));
    EXPECT_EQ(gallery(blocker + "/below.png"), 1) << "a file cannot hold a folder";
}

}  // namespace
