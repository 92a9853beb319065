#include "ControlsTest.h"
#include "MuteButton.h"
#include "SkinData.h"
#include "SkinImage.h"
#include "cpStyle.h"
#include "usButtonStyle.h"

namespace {

class ButtonTest : public ControlsTest {
protected:
    static void press(ControlButton& button, int key) {
        button.keyPressed(juce::KeyPress(key));
        pump();
    }
};

TEST_F(ButtonTest, MuteButtonNamesItsSideAndSendsItsMuteAtOnce) {
    MuteButton strip(unit_);
    EXPECT_EQ(strip.getImageWidth(), 74);
    EXPECT_EQ(strip.getImageHeight(), 25);
    EXPECT_EQ(strip.getButton().getButton().getBounds(), juce::Rectangle<int>(0, 0, 74, 25));
    EXPECT_EQ(strip.getButton().getName(), "Mute");
    strip.setSide(2, 3);
    EXPECT_EQ(strip.getButton().getName(), "Mute") << "side 3 keeps the name";
    strip.setSide(2, 2);
    EXPECT_EQ(strip.getButton().getName(), "MuteR");
    strip.setSide(1, 1);
    EXPECT_EQ(strip.getButton().getName(), "MuteL");
    EXPECT_EQ(strip.getButton().getButton().getName(), "MuteL");

    ActionLog heard(strip);
    press(strip.getButton().getButton(), juce::KeyPress::spaceKey);
    EXPECT_TRUE(strip.isMuted()) << "Space toggles";
    EXPECT_EQ(heard.messages, juce::StringArray("MuteL"));
    std::vector<Frame> frames = sentFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], (Frame{0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x01, 0x01, 0x01, 0x70}));
    EXPECT_EQ(unitSetting("Mute3.1"), "0x0070");

    press(strip.getButton().getButton(), juce::KeyPress::returnKey);
    EXPECT_FALSE(strip.isMuted());
    frames = sentFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].back(), 0x60);

    strip.setToggleState(true);
    pump();
    EXPECT_EQ(sentFrames().size(), 1u) << "a state set with notification is sent too";
    EXPECT_EQ(heard.messages.size(), 3);

    strip.setEnabled(false);
    press(strip.getButton().getButton(), juce::KeyPress::spaceKey);
    EXPECT_TRUE(strip.isMuted());
    EXPECT_TRUE(sentFrames().empty()) << "a disabled mute sends nothing";
}

TEST_F(ButtonTest, MainMuteAddressesBlockSixAndOtherSidesKeepTheName) {
    MuteButton main(unit_);
    main.setSide(4, 0);
    ActionLog heard(main);
    main.getButton().getButton().triggerClick();
    pump();
    EXPECT_EQ(heard.messages, juce::StringArray("Mute"));
    std::vector<Frame> frames = sentFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], (Frame{0x00, 0x08, 0xB8, 0x81, 0x06, 0x10, 0x02, 0x00, 0x01, 0x01, 0x70}));
}

TEST_F(ButtonTest, ImageButtonShowsPressedOnOffAndFortyPercentWhenDisabled) {
    MuteButton mute(unit_);
    mute.setSize(74, 25);
    ControlButton& button = mute.getButton().getButton();
    const juce::Image on = SkinImage::cached(SkinData::muteon_png, SkinData::muteon_pngSize);
    const juce::Image off = SkinImage::cached(SkinData::muteoff_png, SkinData::muteoff_pngSize);
    const juce::Image down = SkinImage::cached(SkinData::mutedown_png, SkinData::mutedown_pngSize);
    const auto expectShows = [](const juce::Image& shown, const juce::Image& image) {
        for (int y = 0; y < image.getHeight(); y += 3)
            for (int x = 0; x < image.getWidth(); x += 3)
                ASSERT_EQ(shown.getPixelAt(x, y), image.getPixelAt(x, y)) << x << "," << y;
    };
    expectShows(render(mute), off);
    mute.setToggleState(true);
    const juce::Image full = render(mute);
    expectShows(full, on);

    button.setState(juce::Button::buttonDown);
    expectShows(render(mute), down);
    button.setState(juce::Button::buttonNormal);

    mute.setEnabled(false);
    expectFaded(full, render(mute), 0.4f);
}

TEST_F(ButtonTest, UnitButtonIsSizedByItsIconAndInvisibleWhenDisabled) {
    usButtonStyle look;
    EXPECT_EQ(look.getIconWidth(), 32);
    EXPECT_EQ(look.getUnitButtonHeight(), 35);
    juce::ToggleButton unit("1");
    // No name: only the icon, whose pixels the faded drawing must match.
    unit.setLookAndFeel(&look);
    unit.setSize(look.getIconWidth(), look.getUnitButtonHeight());
    unit.setToggleState(true, juce::dontSendNotification);
    const juce::Image selected = render(unit);
    unit.setToggleState(false, juce::dontSendNotification);
    expectFaded(selected, render(unit), 0.4f);
    unit.setEnabled(false);
    const juce::Image hidden = render(unit);
    for (int y = 0; y < hidden.getHeight(); ++y)
        for (int x = 0; x < hidden.getWidth(); ++x)
            ASSERT_EQ(hidden.getPixelAt(x, y).getAlpha(), 0) << x << "," << y;
    unit.setLookAndFeel(nullptr);
}

TEST_F(ButtonTest, SelectorLookDrawsNoBoxAndColoursItsList) {
    cpStyle look;
    EXPECT_EQ(look.findColour(juce::ComboBox::textColourId), juce::Colour(0xFF90EE90));
    EXPECT_EQ(look.findColour(juce::PopupMenu::textColourId), juce::Colour(0xFF90EE90));
    EXPECT_EQ(look.findColour(juce::PopupMenu::backgroundColourId), juce::Colour(0xFF000000));
    EXPECT_EQ(look.findColour(juce::PopupMenu::highlightedBackgroundColourId),
              juce::Colour(0xFFFF0000));
    juce::ComboBox box;
    box.setLookAndFeel(&look);
    box.setSize(80, 20);
    juce::Image image(juce::Image::ARGB, 80, 20, true);
    juce::Graphics g(image);
    look.drawComboBox(g, 80, 20, false, 0, 0, 80, 20, box);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x)
            ASSERT_EQ(image.getPixelAt(x, y).getAlpha(), 0);
    box.setLookAndFeel(nullptr);
}

}  // namespace
