#include "PanelState.h"
#include "SkinData.h"
#include "SkinImage.h"
#include "myTooltip.h"

#include <gtest/gtest.h>
#include <cmath>
#include <juce_gui_basics/juce_gui_basics.h>

namespace {

// The tip's text laid out on its own, as wide as it needs up to 300 pixels.
juce::TextLayout layoutOf(const juce::String& text) {
    juce::AttributedString tip;
    tip.append(text, juce::Font(15.0f, juce::Font::bold));
    juce::TextLayout layout;
    layout.createLayoutWithBalancedLineLengths(tip, 300.0f);
    return layout;
}

TEST(Tooltip, HiddenUntilTheFlagIsSetThenTextPlusMargins) {
    PanelState state;
    EXPECT_FALSE(state.getMixBypass());
    EXPECT_TRUE(state.getCircularKnobs());
    EXPECT_FALSE(state.getTooltipsShown());
    myTooltip look(state);
    const juce::String tip = "HeadPhone Output Level";
    const juce::Rectangle<int> screen(0, 0, 1000, 800);
    EXPECT_TRUE(look.getTooltipSize(tip).isEmpty());
    EXPECT_EQ(look.getTooltipBounds(tip, {100, 100}, screen).getWidth(), 0);
    EXPECT_EQ(look.getTooltipBounds(tip, {100, 100}, screen).getHeight(), 0);

    state.setTooltipsShown(true);
    const juce::TextLayout text = layoutOf(tip);
    const juce::Rectangle<int> bounds = look.getTooltipBounds(tip, {100, 100}, screen);
    EXPECT_EQ(bounds.getWidth(), int(std::ceil(text.getWidth())) + 14);
    EXPECT_EQ(bounds.getHeight(), int(std::ceil(text.getHeight())) + 20);
    EXPECT_GT(bounds.getWidth(), 100);
    EXPECT_LT(bounds.getHeight(), 45) << "one line";

    const juce::String longTip = "Provides 48 volts of 'phantom power' for condenser mics";
    const juce::Rectangle<int> wrapped = look.getTooltipSize(longTip);
    EXPECT_LE(wrapped.getWidth(), 314);
    EXPECT_GT(wrapped.getHeight(), bounds.getHeight()) << "a long tip wraps";
}

TEST(Tooltip, TipIsPaleYellowWithAFaintFrame) {
    PanelState state;
    myTooltip look(state);
    juce::Image image(juce::Image::ARGB, 120, 40, true);
    juce::Graphics g(image);
    look.drawTooltip(g, "Tip", 120, 40);
    EXPECT_EQ(image.getPixelAt(3, 3), juce::Colour(0xFFEEEEBB));
    const juce::Colour frame = image.getPixelAt(0, 20);
    EXPECT_NEAR(frame.getRed(), 0xEE * 0.7, 2) << "black at 30 % over the yellow";
    EXPECT_NEAR(frame.getBlue(), 0xBB * 0.7, 2);
}

TEST(Tooltip, TitleBarHasItsImageCloseButtonAndAnEllipsis) {
    PanelState state;
    myTooltip look(state);
    std::unique_ptr<juce::Button> close(
        look.createDocumentWindowButton(juce::DocumentWindow::closeButton));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->getName(), "close");
    EXPECT_EQ(close->getWidth(), 28);
    EXPECT_EQ(close->getHeight(), 22);
    EXPECT_NE(dynamic_cast<juce::ImageButton*>(close.get()), nullptr);
    EXPECT_EQ(look.createDocumentWindowButton(juce::DocumentWindow::minimiseButton), nullptr);

    // The name stops 42 pixels short of the right end, whatever its length.
    const auto titleBar = [&look](const juce::String& name) {
        juce::DocumentWindow window(name, juce::Colours::black, 0);
        juce::Image image(juce::Image::RGB, 723, 22, true);
        juce::Graphics g(image);
        look.drawDocumentWindowTitleBar(window, g, 723, 22, 0, 723, nullptr, true);
        return image;
    };
    const juce::Image plain = titleBar({});
    const juce::Image named = titleBar(juce::String::repeatedString("Lumora ", 40));
    int differing = 0;
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 723; ++x)
            if (named.getPixelAt(x, y) != plain.getPixelAt(x, y)) {
                ++differing;
                ASSERT_LT(x, 723 - 42) << "title text under the close button at " << x << "," << y;
            }
    EXPECT_GT(differing, 100) << "the name is drawn";

    const juce::Image art = SkinImage::decoded(SkinData::titlebar_png, SkinData::titlebar_pngSize);
    EXPECT_EQ(plain.getPixelAt(10, 10), art.getPixelAt(10, 10)) << "the art, unscaled";
    EXPECT_NEAR(plain.getPixelAt(10, 21).getRed(), art.getPixelAt(10, 21).getRed() * 0.6, 2.0)
        << "black at 40 % across the bottom row";
}

}  // namespace
