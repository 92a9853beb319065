#include "ControlSlider.h"
#include "ControlsTest.h"
#include "iPanStyle.h"
#include "mySlider.h"

namespace {

// The first row (or column) of the rendering that shows the image's first
// solid row (or column): where the look put the image.
int findImage(const juce::Image& shown, const juce::Image& image, bool vertical) {
    const int length = vertical ? shown.getHeight() : shown.getWidth();
    for (int at = 0; at < length; ++at) {
        bool matches = true;
        for (int i = 0; i < (vertical ? image.getWidth() : image.getHeight()) && matches; ++i) {
            const juce::Colour want = vertical ? image.getPixelAt(i, 0) : image.getPixelAt(0, i);
            const juce::Colour got = vertical ? shown.getPixelAt(i, at) : shown.getPixelAt(at, i);
            matches = want == got;
        }
        if (matches)
            return at;
    }
    return -1;
}

class SliderLookTest : public ::testing::Test {
protected:
    ~SliderLookTest() override {
        fader_.setLookAndFeel(nullptr);
        pan_.setLookAndFeel(nullptr);
    }
    void SetUp() override {
        fader_.setLookAndFeel(&faderLook_);
        fader_.setSliderStyle(juce::Slider::LinearVertical);
        fader_.setTextBoxStyle(juce::Slider::NoTextBox, true, 0, 0);
        fader_.setRange(0.0, 255.0, 1.0);
        fader_.setSize(28, 155);
        pan_.setLookAndFeel(&panLook_);
        pan_.setSliderStyle(juce::Slider::LinearHorizontal);
        pan_.setTextBoxStyle(juce::Slider::NoTextBox, true, 0, 0);
        pan_.setRange(0.0, 255.0, 1.0);
        pan_.setSize(76, 16);
    }

    mySlider faderLook_;
    iPanStyle panLook_;
    ControlSlider fader_{"Fader"};
    ControlSlider pan_{"Panner"};
};

TEST_F(SliderLookTest, CapSitsTwentyAboveTheThumbAndTheHandleTenLeftOfIt) {
    EXPECT_EQ(faderLook_.getSliderThumbRadius(fader_), 20);
    EXPECT_EQ(panLook_.getSliderThumbRadius(pan_), 9);
    for (double value : {0.0, 128.0, 255.0}) {
        fader_.setValue(value);
        const int thumb = int(fader_.getPositionOfValue(value) - 20.0f);
        EXPECT_EQ(findImage(render(fader_), faderLook_.getCapImage(), true), thumb)
            << "fader at " << value;
        pan_.setValue(value);
        const int handle = int(pan_.getPositionOfValue(value) - 10.0f);
        EXPECT_EQ(findImage(render(pan_), panLook_.getHandleImage(), false), handle)
            << "pan at " << value;
    }
    EXPECT_EQ(findImage(render(pan_), panLook_.getHandleImage(), false), 76 - 9 - 10)
        << "hard right";
}

TEST_F(SliderLookTest, DisabledFadersAndPansAreHalfStrengthAndTheWrongDirectionDrawsNothing) {
    fader_.setValue(128.0);
    pan_.setValue(128.0);
    const juce::Image fullFader = render(fader_);
    const juce::Image fullPan = render(pan_);
    fader_.setEnabled(false);
    pan_.setEnabled(false);
    expectFaded(fullFader, render(fader_), 0.5f);
    expectFaded(fullPan, render(pan_), 0.5f);

    fader_.setSliderStyle(juce::Slider::LinearHorizontal);
    pan_.setSliderStyle(juce::Slider::LinearVertical);
    for (const juce::Image& shown : {render(fader_), render(pan_)})
        for (int y = 0; y < shown.getHeight(); ++y)
            for (int x = 0; x < shown.getWidth(); ++x)
                ASSERT_EQ(shown.getPixelAt(x, y).getAlpha(), 0) << x << "," << y;
}

TEST_F(SliderLookTest, BarStyleFillsUpToTheThumbInTheLooksColours) {
    pan_.setSliderStyle(juce::Slider::LinearBar);
    pan_.setValue(128.0);
    const juce::Image shown = render(pan_);
    const juce::Colour bar = panLook_.findColour(juce::Slider::thumbColourId);
    const float thumb = pan_.getPositionOfValue(128.0);
    EXPECT_EQ(shown.getPixelAt(int(thumb) / 2, 8).withAlpha(1.0f), bar.withAlpha(1.0f));
    EXPECT_NE(shown.getPixelAt(int(thumb) + 10, 8).withAlpha(1.0f), bar.withAlpha(1.0f))
        << "beyond the thumb only the background";
}

}  // namespace
