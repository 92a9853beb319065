#include "Backdrop.h"

#include "SkinData.h"
#include "SkinImage.h"
#include "UpdaterLook.h"

namespace {

constexpr int kTopBand = 50;
constexpr int kBottomBand = 18;

}  // namespace

Backdrop::Backdrop()
    : skin_(SkinImage::cached(SkinData::background_jpg, SkinData::background_jpgSize)) {}

void Backdrop::paint(juce::Graphics& g, juce::Rectangle<int> area) const {
    const int w = area.getWidth();
    const int h = area.getHeight();
    const int skinH = skin_.getHeight();
    // The metal between the bands, shaded from the top band's grey to the bottom's.
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xFF3D4045), 0.0f, float(kTopBand),
                                           juce::Colour(0xFF2B2E33), 0.0f, float(h), false));
    g.fillRect(area);
    // Brushed streaks, the same on every paint.
    juce::Random streaks(1394);
    for (int y = kTopBand; y < h - kBottomBand; ++y) {
        g.setColour(juce::Colours::white.withAlpha(streaks.nextFloat() * 0.035f));
        g.fillRect(0, y, w, 1);
    }
    g.setColour(juce::Colours::black.withAlpha(0.5f));
    g.drawRect(area, 1);
    g.setOpacity(1.0f);
    g.drawImage(skin_, 0, 0, w, kTopBand, 0, 0, w, kTopBand);
    g.drawImage(skin_, 0, h - kBottomBand, w, kBottomBand, 0, skinH - kBottomBand, w, kBottomBand);
    g.setColour(UpdaterLook::amber());
    g.setFont(juce::Font(17.0f, juce::Font::bold).withExtraKerningFactor(0.25f));
    g.drawText("FIRMWARE UPDATE", 250, 12, 260, 26, juce::Justification::centredLeft, false);
}

void Backdrop::section(juce::Graphics& g, juce::Rectangle<int> frame, const juce::String& caption) {
    const juce::Font font(13.0f, juce::Font::bold);
    const auto box = frame.toFloat().reduced(0.5f);
    const float gap = float(font.getStringWidth(caption)) + 14.0f;
    const float gapX = box.getX() + 18.0f;
    juce::Path outline;
    outline.addRoundedRectangle(box, 5.0f);
    g.saveState();
    g.excludeClipRegion(juce::Rectangle<float>(gapX, box.getY() - 8.0f, gap, 16.0f).toNearestInt());
    g.setColour(juce::Colours::white.withAlpha(0.28f));
    g.strokePath(outline, juce::PathStrokeType(1.0f));
    g.restoreState();
    g.setColour(juce::Colours::white);
    g.setFont(font);
    g.drawText(caption, juce::Rectangle<float>(gapX, box.getY() - 8.0f, gap, 16.0f),
               juce::Justification::centred, false);
}
