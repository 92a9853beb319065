// gallery: every control of the panel in its states, drawn by the real
// controls and looks with the compiled-in skin, into one PNG for review;
// --2x draws them with the artwork rendered at twice the size; --cells names
// a text file that tells where each cell's picture lies on the sheet.
#include "ControlShots.h"
#include "GallerySheet.h"
#include "KnobStyle.h"
#include "OfflineUnit.h"
#include "SkinData.h"
#include "SkinImage.h"

#include <cstdio>
#include <cstring>

namespace {

struct NamedSet {
    const char* title;
    ControlShots::ButtonSet images;
};

#define SKIN(name) SkinData::name, SkinData::name##Size

const NamedSet kButtonSets[] = {
    {"Mute", {SKIN(muteon_png), SKIN(muteoff_png), SKIN(mutedown_png)}},
    {"Boost", {SKIN(booston_png), SKIN(buttonoff_png), SKIN(boostdown_png)}},
    {"Phono", {SKIN(phonoon_png), SKIN(buttonoff_png), SKIN(phonodown_png)}},
    {"Phantom power, limiter",
     {SKIN(preampbuttonon_png), SKIN(buttonoff_png), SKIN(preampbuttondown_png)}},
    {"Mix bypass", {SKIN(mixbypasson_png), SKIN(mixbypassoff_png), SKIN(mixbypassdown_png)}},
    {"Link", {SKIN(linkon_png), SKIN(linkoff_png), SKIN(linkdown_png)}},
    {"Main mute (shade view)", {SKIN(stereooff_png), SKIN(stereoon_png), SKIN(stereodown_png)}},
    {"Always on top", {SKIN(aotonhover_png), SKIN(aotoff_png), SKIN(aotoffdown_png)}},
    {"Minimise", {SKIN(minimize_png), SKIN(minimize_png), SKIN(minimizedown_png)}},
    {"Window shade", {SKIN(shadehover_png), SKIN(shade_png), SKIN(shadedown_png)}},
    {"Load", {SKIN(load_png), SKIN(load_png), SKIN(loaddown_png)}},
    {"Save", {SKIN(save_png), SKIN(save_png), SKIN(savedown_png)}},
};

#undef SKIN

void addKnobs(GallerySheet& sheet, ControlShots& shots) {
    sheet.addSection("Knobs");
    sheet.addRow("Small knob", shots.knob(KnobStyle::SmallKnob));
    sheet.addRow("Master knob", shots.knob(KnobStyle::MasterKnob));
    sheet.addRow("Dual-knob ring", shots.knob(KnobStyle::DualRing));
    sheet.addRow("Dual knob (line L inner, R ring)", shots.dualKnob());
}

void addFadersAndMeters(GallerySheet& sheet, ControlShots& shots) {
    sheet.addSection("Faders, pans and meters");
    sheet.addRow("Fader", shots.fader());
    sheet.addRow("Pan", shots.pan());
    sheet.addRow("Meter", shots.meters());
}

void addButtons(GallerySheet& sheet, ControlShots& shots) {
    sheet.addSection("Buttons");
    for (const NamedSet& set : kButtonSets)
        sheet.addRow(set.title, shots.buttonSet(set.images));
    sheet.addRow("Unit selector", shots.unitButtons());
    sheet.addRow("Sample-rate selector", shots.selector());
}

void addWindowParts(GallerySheet& sheet, ControlShots& shots) {
    sheet.addSection("Tooltips and title bar");
    sheet.addRow("Tooltip", shots.tooltips());
    sheet.addRow("Close button", shots.closeButton());
    sheet.addRow("Title bar", shots.titleBar());
}

bool writePng(const juce::Image& image, const juce::File& file) {
    file.deleteFile();
    juce::FileOutputStream out(file);
    juce::PNGImageFormat png;
    return out.openedOk() && png.writeImageToStream(image, out);
}

// One line a cell: the row's title, the cell's label and the picture's x, y,
// width and height in the sheet's pixels, separated by tabs.
bool writeCells(const std::vector<GallerySheet::Placement>& placements, const juce::File& file) {
    juce::String text;
    for (const GallerySheet::Placement& p : placements) {
        const juce::Rectangle<int>& r = p.picture;
        text << p.row << "\t" << p.label << "\t" << r.getX() << "\t" << r.getY() << "\t"
             << r.getWidth() << "\t" << r.getHeight() << "\n";
    }
    return file.replaceWithText(text, false, false, "\n");
}

struct Options {
    bool large = false;
    juce::String cells;
    juce::String output;
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--2x") == 0)
            options.large = true;
        else if (std::strcmp(argv[i], "--cells") == 0 && i + 1 < argc)
            options.cells = argv[++i];
        else if (argv[i][0] != '-' && options.output.isEmpty())
            options.output = argv[i];
        else
            return false;
    }
    return options.output.isNotEmpty();
}

int run(const juce::File& output, const juce::String& cells) {
    // A folder that cannot be made fails before the long part.
    if (!output.getParentDirectory().createDirectory()) {
        std::fprintf(stderr, "gallery: cannot make the folder of %s\n",
                     output.getFullPathName().toRawUTF8());
        return 1;
    }
    OfflineUnit unit;
    ControlShots shots(unit);
    GallerySheet sheet;
    addKnobs(sheet, shots);
    addFadersAndMeters(sheet, shots);
    addButtons(sheet, shots);
    addWindowParts(sheet, shots);
    const juce::Image image = sheet.render();
    if (!writePng(image, output)) {
        std::fprintf(stderr, "gallery: cannot write %s\n", output.getFullPathName().toRawUTF8());
        return 1;
    }
    const juce::File here = juce::File::getCurrentWorkingDirectory();
    if (cells.isNotEmpty() && !writeCells(sheet.placements(), here.getChildFile(cells))) {
        std::fprintf(stderr, "gallery: cannot write %s\n", cells.toRawUTF8());
        return 1;
    }
    if (!shots.focusShown())
        std::fprintf(stderr,
                     "gallery: no display, so the focused pictures show no focus mark "
                     "(run it under xvfb-run)\n");
    std::printf("%s: %d x %d\n", output.getFullPathName().toRawUTF8(), image.getWidth(),
                image.getHeight());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // The sheet is drawn at twice the panel's size: by default the panel-size
    // artwork magnified, with --2x the artwork rendered at twice the size.
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: gallery [--2x] [--cells <cells.txt>] <output.png>\n");
        return 2;
    }
    SkinImage::setLargeArtworkDrawn(options.large);
    // No application object: JUCE then installs its X error handlers as a
    // program outside an application needs.
    juce::JUCEApplicationBase::createInstance = []() -> juce::JUCEApplicationBase* {
        return nullptr;
    };
    const juce::ScopedJuceInitialiser_GUI gui;
    const juce::File output = juce::File::getCurrentWorkingDirectory().getChildFile(options.output);
    return run(output, options.cells);
}
