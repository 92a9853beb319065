#include "ControlsTest.h"
#include "DualKnob.h"
#include "KnobCtl.h"
#include "MuteButton.h"
#include "PanelState.h"
#include "FocusMark.h"
#include "ValueText.h"
#include "myMeters.h"
#include "mySlider.h"

namespace {

// The controls in a window, since the framework gives accessibility handlers
// only to components on the desktop. Runs under a (virtual) X server.
class AccessibilityTest : public ControlsTest {
protected:
    AccessibilityTest() {
        window_.setBounds(0, 0, 300, 200);
        window_.addAndMakeVisible(knob_);
        knob_.setBounds(10, 10, 43, 43);
        for (ControlSlider* slider : {&fader_, &pan_})
            slider->setTextBoxStyle(juce::Slider::NoTextBox, true, 0, 0);
        window_.addAndMakeVisible(fader_);
        fader_.setBounds(60, 10, 28, 155);
        window_.addAndMakeVisible(pan_);
        pan_.setBounds(100, 10, 76, 16);
        window_.addAndMakeVisible(mute_);
        mute_.setBounds(100, 40, 74, 25);
        window_.addAndMakeVisible(meter_);
        meter_.setBounds(190, 10, 10, 125);
        window_.addToDesktop(0);
        window_.setVisible(true);
    }
    ~AccessibilityTest() override { fader_.setLookAndFeel(nullptr); }

    void SetUp() override {
        if (window_.getWindowHandle() == nullptr)
            GTEST_SKIP() << "no display for the window (run under xvfb-run)";
    }

    // "Name, value" as a screen reader puts them together.
    static juce::String spoken(juce::Component& component) {
        juce::AccessibilityHandler* handler = component.getAccessibilityHandler();
        if (handler == nullptr)
            return "(no handler)";
        juce::String text = handler->getTitle();
        if (auto* value = handler->getValueInterface())
            text << ", " << value->getCurrentValueAsString();
        return text;
    }

    juce::Component window_;
    KnobCtl knob_{unit_, 0, 1, 1, true};
    mySlider faderLook_;
    ControlSlider fader_{"Fader"};
    ControlSlider pan_{"Panner"};
    MuteButton mute_{unit_};
    PanelState state_;
    myMeters meter_{state_};
};

TEST_F(AccessibilityTest, EveryKindOfControlSaysItsNameAndValueInWords) {
    knob_.setAccessibleName("Input 1 gain");
    knob_.setValue(189.0);
    fader_.setLookAndFeel(&faderLook_);
    fader_.setSliderStyle(juce::Slider::LinearVertical);
    fader_.setRange(0.0, 255.0, 1.0);
    fader_.setValue(200.0);
    fader_.setAccessibleName("Main fader");
    fader_.setValueText(ValueText::level);
    pan_.setRange(0.0, 255.0, 1.0);
    pan_.setValue(102.0);
    pan_.setAccessibleName("Strip 1 left pan");
    pan_.setValueText(ValueText::pan);
    mute_.setAccessibleName("Main mute");
    mute_.setToggleState(true);
    meter_.setAccessibleName("Main left level");

    EXPECT_EQ(spoken(knob_.getSlider()), "Input 1 gain, +12.5 dB");
    EXPECT_EQ(spoken(fader_), "Main fader, -27 dB");
    EXPECT_EQ(spoken(pan_), "Strip 1 left pan, 20 % left");
    EXPECT_EQ(spoken(mute_.getButton().getButton()), "Main mute, on");
    EXPECT_EQ(spoken(meter_), "Main left level, silent");
    meter_.setLevel(0.02, 0.0);
    EXPECT_EQ(spoken(meter_), "Main left level, 0.0 dB, clip");

    EXPECT_EQ(knob_.getSlider().getAccessibilityHandler()->getRole(),
              juce::AccessibilityRole::slider);
    juce::AccessibilityHandler* button = mute_.getButton().getButton().getAccessibilityHandler();
    EXPECT_EQ(button->getRole(), juce::AccessibilityRole::toggleButton);
    EXPECT_TRUE(button->getCurrentState().isChecked());
    EXPECT_EQ(knob_.getAccessibilityHandler()->getRole(), juce::AccessibilityRole::ignored)
        << "the wrapper leaves the talking to the slider";
    EXPECT_EQ(mute_.getAccessibilityHandler()->getRole(), juce::AccessibilityRole::ignored);

    DualKnob line(unit_);
    window_.addAndMakeVisible(line);
    line.setBounds(10, 100, 79, 79);
    line.getOuterKnob().setValue(255.0);
    EXPECT_EQ(line.getAccessibilityHandler()->getRole(), juce::AccessibilityRole::group);
    EXPECT_EQ(line.getAccessibilityHandler()->getTitle(), "Line input gain");
    EXPECT_EQ(spoken(line.getInnerKnob().getSlider()), "Line left gain, -21 dB");
    EXPECT_EQ(spoken(line.getOuterKnob().getSlider()), "Line right gain, +24 dB");
}

TEST_F(AccessibilityTest, ScreenReaderChangesCountAsTheUsersMoves) {
    ChangeCounter heard(knob_);
    pump();
    sentFrames();
    juce::AccessibilityValueInterface* value =
        knob_.getSlider().getAccessibilityHandler()->getValueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_FALSE(value->isReadOnly());
    EXPECT_EQ(value->getRange().getMaximumValue(), 255.0);
    value->setValue(255.0);
    pump(100);
    EXPECT_EQ(knob_.getValue(), 255.0);
    EXPECT_EQ(heard.count, 1) << "broadcast like a drag";
    std::vector<Frame> frames = sentFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(Frame(frames[0].end() - 2, frames[0].end()), (Frame{0x18, 0x00})) << "+24 dB";

    mute_.setSide(4, 0);
    juce::AccessibilityHandler* button = mute_.getButton().getButton().getAccessibilityHandler();
    ASSERT_TRUE(button->getActions().invoke(juce::AccessibilityActionType::toggle));
    pump();
    EXPECT_TRUE(mute_.isMuted());
    frames = sentFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], (Frame{0x00, 0x08, 0xB8, 0x81, 0x06, 0x10, 0x02, 0x00, 0x01, 0x01, 0x70}));

    meter_.setLevel(0.02, 0.0);
    ASSERT_TRUE(meter_.getAccessibilityHandler()->getActions().invoke(
        juce::AccessibilityActionType::press));
    EXPECT_EQ(meter_.getBallistics().getPeak(), 255.0) << "pressing the meter clears its clip";
}

TEST_F(AccessibilityTest, KeyboardFocusShowsTheMarkButAClickAloneDoesNot) {
    ControlSlider& slider = knob_.getSlider();
    // The left edge of the knob, halfway down: where the ring of the mark runs.
    const auto amberAtEdge = [this] {
        const juce::Colour pixel = render(knob_).getPixelAt(1, 21);
        return pixel.getRed() > 180 && pixel.getBlue() < 120 && pixel.getRed() > pixel.getGreen();
    };
    EXPECT_FALSE(amberAtEdge());
    for (int attempt = 0; attempt < 20 && !slider.hasKeyboardFocus(false); ++attempt) {
        slider.grabKeyboardFocus();
        pump(30);
    }
    if (!slider.hasKeyboardFocus(false))
        GTEST_SKIP() << "the X server gave the test window no focus";
    EXPECT_TRUE(FocusMark::shown(slider));
    EXPECT_TRUE(amberAtEdge());

    FocusMark::noteFocusCause(slider, juce::Component::focusChangedByMouseClick);
    EXPECT_FALSE(amberAtEdge()) << "a click focuses without the mark";
    EXPECT_TRUE(slider.keyPressed(juce::KeyPress(juce::KeyPress::upKey)));
    EXPECT_TRUE(amberAtEdge()) << "the first key shows it";

    juce::KeyboardFocusTraverser traverser;
    EXPECT_EQ(traverser.getNextComponent(&slider), &fader_) << "Tab goes left to right";
    EXPECT_EQ(traverser.getNextComponent(&pan_), &mute_.getButton().getButton());
}

}  // namespace
