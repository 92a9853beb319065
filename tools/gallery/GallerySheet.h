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

    // Where a cell's picture lies on the rendered sheet, in its pixels.
    struct Placement {
        juce::String row;
        juce::String label;
        juce::Rectangle<int> picture;
    };

    void addSection(const juce::String& title);
    void addRow(const juce::String& title, std::vector<Cell> cells);
    // The sheet at kScale.
    juce::Image render() const;
    // Every cell's picture on the sheet, row by row.
    std::vector<Placement> placements() const;

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
    // The cell's box and its picture inside it, for a cell whose box starts at left.
    static juce::Rectangle<int> cellBox(const Row& row, const Cell& cell, int left, int top);
    static juce::Rectangle<int> pictureBox(const Cell& cell, juce::Rectangle<int> box);

    std::vector<Row> rows_;
};
