#include "ControlsTest.h"
#include "DualKnob.h"

namespace {

class DualKnobTest : public ControlsTest {
protected:
    DualKnobTest() { dual_.setSize(79, 79); }
    ~DualKnobTest() override { juce::ModifierKeys::currentModifiers = juce::ModifierKeys(); }

    // A turn by the user, as a key or a screen reader makes it.
    void turn(KnobCtl& knob, double value) {
        knob.getSlider().setValueByUser(value);
        pump();
    }
    // Values as a mix brings them.
    void set(double inner, double outer) {
        juce::PropertySet mix;
        mix.setValue("LeftLine", inner);
        mix.setValue("RightLine", outer);
        dual_.loadState(mix);
        pump();
    }
    double inner() { return dual_.getInnerKnob().getValue(); }
    double outer() { return dual_.getOuterKnob().getValue(); }

    DualKnob dual_{unit_};
};

TEST_F(DualKnobTest, TurningOneKnobTurnsThePartnerUnlessAltIsHeld) {
    EXPECT_EQ(dual_.getOuterKnob().getBounds(), juce::Rectangle<int>(0, 0, 75, 75));
    EXPECT_EQ(dual_.getInnerKnob().getBounds(), juce::Rectangle<int>(18, 18, 43, 43));
    EXPECT_EQ(dual_.getChildComponent(1), &dual_.getInnerKnob()) << "the inner knob lies on top";

    set(100.0, 50.0);
    dual_.getOuterKnob().setValue(55.0);
    pump();
    EXPECT_EQ(inner(), 100.0) << "programmatic changes do not link";
    set(100.0, 50.0);
    turn(dual_.getOuterKnob(), 60.0);
    EXPECT_EQ(inner(), 110.0);
    turn(dual_.getInnerKnob(), 100.0);
    EXPECT_EQ(outer(), 50.0);

    juce::ModifierKeys::currentModifiers = juce::ModifierKeys(juce::ModifierKeys::altModifier);
    turn(dual_.getOuterKnob(), 70.0);
    EXPECT_EQ(inner(), 100.0) << "Alt turns the ring alone";
    const juce::KeyPress altUp(juce::KeyPress::upKey, juce::ModifierKeys::altModifier, 0);
    EXPECT_TRUE(dual_.getOuterKnob().getSlider().keyPressed(altUp));
    pump();
    EXPECT_EQ(outer(), 73.0);
    EXPECT_EQ(inner(), 100.0) << "Alt with an arrow key turns one alone too";
    juce::ModifierKeys::currentModifiers = juce::ModifierKeys();
    turn(dual_.getOuterKnob(), 83.0);
    EXPECT_EQ(inner(), 110.0) << "after an Alt turn only the new turn's difference counts";

    set(250.0, 80.0);
    turn(dual_.getOuterKnob(), 90.0);
    EXPECT_EQ(inner(), 255.0) << "the partner stops at the end";
    turn(dual_.getInnerKnob(), 245.0);
    EXPECT_EQ(outer(), 80.0);

    sentFrames();
    turn(dual_.getOuterKnob(), 100.0);
    pump(60);
    std::vector<Frame> frames = sentFrames();
    ASSERT_EQ(frames.size(), 2u) << "both knobs send their own command";
    EXPECT_EQ(Frame(frames[0].begin() + 4, frames[0].begin() + 8), (Frame{0x02, 0x10, 0x02, 0x02}));
    EXPECT_EQ(Frame(frames[1].begin() + 4, frames[1].begin() + 8), (Frame{0x02, 0x10, 0x02, 0x01}));
}

TEST_F(DualKnobTest, LoadAndRefreshSetBothKnobsAndResetTheLastValues) {
    set(200.0, 200.0);
    juce::PropertySet mix;
    mix.setValue("RightLine", 30.0);
    dual_.loadState(mix);
    pump();
    EXPECT_EQ(inner(), 0.0) << "a missing LeftLine loads 0";
    EXPECT_EQ(outer(), 30.0);
    turn(dual_.getOuterKnob(), 40.0);
    EXPECT_EQ(inner(), 10.0) << "the first turn after a load moves the partner by its own step";

    juce::PropertySet saved;
    dual_.saveState(saved);
    EXPECT_EQ(saved.getValue("LeftLine"), "10");
    EXPECT_EQ(saved.getValue("RightLine"), "40");

    setUnitSetting("Volume2.1", "0x0C80");
    setUnitSetting("Volume2.2", "0xEB80");
    dual_.refreshFromUnit();
    EXPECT_EQ(inner(), 189.0) << "+12.5 dB";
    EXPECT_EQ(outer(), 2.0) << "-20.5 dB";
    pump();
    turn(dual_.getInnerKnob(), 199.0);
    EXPECT_EQ(outer(), 12.0);

    setUnitSetting("Present", "0");
    dual_.refreshFromUnit();
    EXPECT_EQ(inner(), 128.0) << "a failed read shows 128";
    EXPECT_EQ(outer(), 128.0);
}

TEST_F(DualKnobTest, TabReachesTheLeftGainBeforeTheRightAndLinearDragReachesBoth) {
    juce::KeyboardFocusTraverser traverser;
    std::vector<juce::Component*> order = traverser.getAllComponents(&dual_);
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0], &dual_.getInnerKnob().getSlider());
    EXPECT_EQ(order[1], &dual_.getOuterKnob().getSlider());

    dual_.setLinearDrag(true);
    EXPECT_EQ(dual_.getInnerKnob().getSlider().getSliderStyle(), juce::Slider::RotaryVerticalDrag);
    EXPECT_EQ(dual_.getOuterKnob().getSlider().getSliderStyle(), juce::Slider::RotaryVerticalDrag);
}

}  // namespace
