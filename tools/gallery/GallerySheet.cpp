#include "GallerySheet.h"

namespace {

constexpr int kMargin = 16;
constexpr int kTitleWidth = 170;
constexpr int kGap = 8;
constexpr int kLabelHeight = 16;
constexpr int kSectionHeight = 30;
const juce::Colour kPaper(0xFF18191C);
const juce::Colour kPanel(0xFF34363B);
const juce::Colour kInk(0xFFD8D8D8);
const juce::Colour kAccent(0xFFFFB020);

int logical(int pixels) {
    return int(std::ceil(float(pixels) / GallerySheet::kScale));
}

}  // namespace

void GallerySheet::addSection(const juce::String& title) {
    rows_.push_back({title, {}, true});
}

void GallerySheet::addRow(const juce::String& title, std::vector<Cell> cells) {
    rows_.push_back({title, std::move(cells), false});
}

int GallerySheet::cellWidth(const Cell& cell) {
    return juce::jmax(logical(cell.image.getWidth()) + 2 * kGap, 80);
}

int GallerySheet::rowHeight(const Row& row) {
    if (row.section)
        return kSectionHeight;
    int tallest = 0;
    for (const Cell& cell : row.cells)
        tallest = juce::jmax(tallest, logical(cell.image.getHeight()));
    return tallest + 2 * kGap + kLabelHeight + kGap;
}

int GallerySheet::sheetWidth() const {
    int widest = 0;
    for (const Row& row : rows_) {
        int width = kTitleWidth;
        for (const Cell& cell : row.cells)
            width += cellWidth(cell) + kGap;
        widest = juce::jmax(widest, width);
    }
    return widest + 2 * kMargin;
}

int GallerySheet::sheetHeight() const {
    int height = 2 * kMargin;
    for (const Row& row : rows_)
        height += rowHeight(row);
    return height;
}

juce::Image GallerySheet::render() const {
    const int width = sheetWidth();
    const int height = sheetHeight();
    juce::Image sheet(juce::Image::RGB, int(width * kScale), int(height * kScale), true);
    juce::Graphics g(sheet);
    g.addTransform(juce::AffineTransform::scale(kScale));
    g.fillAll(kPaper);
    int top = kMargin;
    for (const Row& row : rows_) {
        drawRow(g, row, top);
        top += rowHeight(row);
    }
    return sheet;
}

std::vector<GallerySheet::Placement> GallerySheet::placements() const {
    std::vector<Placement> placed;
    int top = kMargin;
    for (const Row& row : rows_) {
        int left = kMargin + kTitleWidth;
        for (const Cell& cell : row.cells) {
            const juce::Rectangle<int> box = cellBox(row, cell, left, top);
            const juce::Rectangle<float> picture = pictureBox(cell, box).toFloat() * kScale;
            placed.push_back({row.title, cell.label, picture.toNearestInt()});
            left = box.getRight() + kGap;
        }
        top += rowHeight(row);
    }
    return placed;
}

juce::Rectangle<int> GallerySheet::cellBox(const Row& row, const Cell& cell, int left, int top) {
    return {left, top, cellWidth(cell), rowHeight(row) - kGap};
}

juce::Rectangle<int> GallerySheet::pictureBox(const Cell& cell, juce::Rectangle<int> box) {
    const int w = logical(cell.image.getWidth());
    const int h = logical(cell.image.getHeight());
    return {box.getX() + (box.getWidth() - w) / 2, box.getY() + kGap, w, h};
}

void GallerySheet::drawRow(juce::Graphics& g, const Row& row, int top) {
    if (row.section) {
        g.setColour(kAccent);
        g.setFont(juce::Font(17.0f, juce::Font::bold));
        g.drawText(row.title, kMargin, top + 6, 900, 20, juce::Justification::centredLeft);
        return;
    }
    const int height = rowHeight(row);
    g.setColour(kInk);
    g.setFont(juce::Font(13.0f, juce::Font::bold));
    g.drawFittedText(row.title, kMargin, top, kTitleWidth - kGap, height - kGap,
                     juce::Justification::centredLeft, 2);
    int left = kMargin + kTitleWidth;
    for (const Cell& cell : row.cells) {
        const juce::Rectangle<int> box = cellBox(row, cell, left, top);
        g.setColour(kPanel);
        g.fillRoundedRectangle(box.toFloat(), 4.0f);
        g.drawImage(cell.image, pictureBox(cell, box).toFloat());
        g.setColour(kInk);
        g.setFont(juce::Font(12.0f));
        g.drawText(cell.label, box.withTrimmedTop(box.getHeight() - kLabelHeight - 2),
                   juce::Justification::centred);
        left = box.getRight() + kGap;
    }
}
