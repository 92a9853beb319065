#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// The gallery's one picture: sections of labelled rows, each row a series of
// cells with a control's picture over the panel colour and its state below.
class GallerySheet {
public:
    // Pictures are rendered at this many pixels per point, for a close look.
    static constexpr float kScale = 2.0f;

    struct Cell {
        juce::Image image;  // at kScale
        juce::String label;
    };

    void addSection(const juce::String& title);
    void addRow(const juce::String& title, std::vector<Cell> cells);
    // The sheet at kScale.
    juce::Image render() const;

private:
    struct Row {
        juce::String title;
        std::vector<Cell> cells;
        bool section = false;
    };

    static int cellWidth(const Cell& cell);
    static int rowHeight(const Row& row);
    int sheetWidth() const;
    int sheetHeight() const;
    static void drawRow(juce::Graphics& g, const Row& row, int top);

    std::vector<Row> rows_;
};
