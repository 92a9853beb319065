#include "ControlShots.h"

#include "DualKnob.h"
#include "KnobCtl.h"
#include "SkinData.h"
#include "cpStyle.h"
#include "iButton.h"
#include "iPanStyle.h"
#include "myButtonStyle.h"
#include "myMeters.h"
#include "mySlider.h"
#include "myTooltip.h"
#include "usButtonStyle.h"

namespace {

constexpr int kPad = 6;

// On Linux the windows need an X server; elsewhere there is always a desktop.
bool desktopAvailable() {
    const bool linux =
        (juce::SystemStats::getOperatingSystemType() & juce::SystemStats::Linux) != 0;
    return !linux || juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isNotEmpty();
}

void settle() {
    juce::MessageManager::getInstance()->runDispatchLoopUntil(30);
}

// Feeds a meter until its bar stands at the display position.
void feed(myMeters& meter, double display) {
    const double level = 256.0 * (display / 255.0) * (display / 255.0);
    meter.setLevel(level, 0.0);
}

}  // namespace

ControlShots::ControlShots(AvcUnit& unit) : unit_(unit) {
    state_.setTooltipsShown(true);
    if (!desktopAvailable()) {
        focusShown_ = false;
        return;
    }
    host_ = std::make_unique<juce::Component>("gallery");
    host_->setBounds(0, 0, 800, 300);
    host_->addToDesktop(juce::ComponentPeer::windowIsTemporary);
    host_->setVisible(true);
    settle();
}

ControlShots::~ControlShots() = default;

bool ControlShots::focus(juce::Component& target) {
    for (int attempt = 0; attempt < 20 && !target.hasKeyboardFocus(false); ++attempt) {
        target.grabKeyboardFocus();
        settle();
    }
    return target.hasKeyboardFocus(false);
}

GallerySheet::Cell ControlShots::shoot(juce::Component& control, const juce::String& label,
                                       juce::Component* focusTarget) {
    juce::Component stage;
    stage.setSize(control.getWidth() + 2 * kPad, control.getHeight() + 2 * kPad);
    stage.addAndMakeVisible(control);
    control.setTopLeftPosition(kPad, kPad);
    if (focusTarget != nullptr && host_ != nullptr) {
        host_->addAndMakeVisible(stage);
        focusShown_ = focus(*focusTarget) && focusShown_;
    } else if (focusTarget != nullptr) {
        focusShown_ = false;
    }
    juce::Image image =
        stage.createComponentSnapshot(stage.getLocalBounds(), false, GallerySheet::kScale);
    if (host_ != nullptr)
        host_->removeChildComponent(&stage);
    stage.removeChildComponent(&control);
    return {image, label};
}

ControlShots::Cells ControlShots::knob(int imageKind) {
    Cells cells;
    for (double value : {0.0, 128.0, 255.0}) {
        KnobCtl knob(unit_, imageKind, 1, 1, true);
        knob.setSize(knob.getSlider().getWidth(), knob.getSlider().getHeight());
        knob.setValue(value);
        cells.push_back(shoot(knob, juce::String(int(value))));
    }
    KnobCtl disabled(unit_, imageKind, 1, 1, true);
    disabled.setSize(disabled.getSlider().getWidth(), disabled.getSlider().getHeight());
    disabled.setValue(128.0);
    disabled.setEnabled(false);
    cells.push_back(shoot(disabled, "disabled"));
    KnobCtl focused(unit_, imageKind, 1, 1, true);
    focused.setSize(focused.getSlider().getWidth(), focused.getSlider().getHeight());
    focused.setValue(128.0);
    cells.push_back(shoot(focused, "focused", &focused.getSlider()));
    return cells;
}

ControlShots::Cells ControlShots::dualKnob() {
    Cells cells;
    const auto make = [this](double inner, double outer) {
        auto dual = std::make_unique<DualKnob>(unit_);
        dual->setSize(79, 79);
        juce::PropertySet mix;
        mix.setValue("LeftLine", inner);
        mix.setValue("RightLine", outer);
        dual->loadState(mix);
        return dual;
    };
    for (double value : {0.0, 128.0, 255.0}) {
        auto dual = make(value, value);
        cells.push_back(shoot(*dual, juce::String(int(value))));
    }
    auto apart = make(60.0, 200.0);
    cells.push_back(shoot(*apart, "60 / 200"));
    auto disabled = make(128.0, 128.0);
    disabled->setEnabled(false);
    cells.push_back(shoot(*disabled, "disabled"));
    auto focusedInner = make(128.0, 128.0);
    cells.push_back(shoot(*focusedInner, "focused L", &focusedInner->getInnerKnob().getSlider()));
    auto focusedOuter = make(128.0, 128.0);
    cells.push_back(shoot(*focusedOuter, "focused R", &focusedOuter->getOuterKnob().getSlider()));
    return cells;
}

ControlShots::Cells ControlShots::fader() {
    mySlider look;
    Cells cells;
    const auto make = [&look](double value) {
        auto slider = std::make_unique<ControlSlider>("Fader");
        slider->setLookAndFeel(&look);
        slider->setSliderStyle(juce::Slider::LinearVertical);
        slider->setTextBoxStyle(juce::Slider::NoTextBox, true, 0, 0);
        slider->setRange(0.0, 255.0, 1.0);
        slider->setSkewFactor(7.0);
        slider->setValue(value);
        slider->setSize(28, 155);
        return slider;
    };
    for (double value : {0.0, 128.0, 200.0, 255.0}) {
        auto slider = make(value);
        cells.push_back(shoot(*slider, juce::String(int(value))));
        slider->setLookAndFeel(nullptr);
    }
    auto disabled = make(200.0);
    disabled->setEnabled(false);
    cells.push_back(shoot(*disabled, "disabled"));
    disabled->setLookAndFeel(nullptr);
    auto focused = make(200.0);
    cells.push_back(shoot(*focused, "focused", focused.get()));
    focused->setLookAndFeel(nullptr);
    return cells;
}

ControlShots::Cells ControlShots::pan() {
    iPanStyle look;
    Cells cells;
    const auto make = [&look](double value) {
        auto slider = std::make_unique<ControlSlider>("Panner");
        slider->setLookAndFeel(&look);
        slider->setSliderStyle(juce::Slider::LinearHorizontal);
        slider->setTextBoxStyle(juce::Slider::NoTextBox, true, 0, 0);
        slider->setRange(0.0, 255.0, 1.0);
        slider->setValue(value);
        slider->setSize(76, 16);
        return slider;
    };
    for (double value : {0.0, 64.0, 128.0, 255.0}) {
        auto slider = make(value);
        cells.push_back(shoot(*slider, juce::String(int(value))));
        slider->setLookAndFeel(nullptr);
    }
    auto disabled = make(128.0);
    disabled->setEnabled(false);
    cells.push_back(shoot(*disabled, "disabled"));
    disabled->setLookAndFeel(nullptr);
    auto focused = make(128.0);
    cells.push_back(shoot(*focused, "focused", focused.get()));
    focused->setLookAndFeel(nullptr);
    return cells;
}

ControlShots::Cells ControlShots::meters() {
    Cells cells;
    const auto make = [this](std::initializer_list<double> displays) {
        auto meter = std::make_unique<myMeters>(state_);
        meter->setSize(10, 125);
        for (double display : displays)
            feed(*meter, display);
        return meter;
    };
    auto silent = make({});
    cells.push_back(shoot(*silent, "silent"));
    auto low = make({90.0});
    cells.push_back(shoot(*low, "bar"));
    auto falling = make({30.0, 200.0, 200.0, 200.0, 200.0, 200.0, 200.0});
    cells.push_back(shoot(*falling, "falling, peak"));
    // Loud and clipped, then a few quieter polls, so the markers stand above the bar.
    auto loud = make({8.0, 200.0, 200.0, 200.0, 200.0, 200.0, 200.0, 200.0, 200.0});
    cells.push_back(shoot(*loud, "loud, peak"));
    auto clip = make({0.5, 200.0, 200.0, 200.0, 200.0, 200.0, 200.0, 200.0, 200.0});
    cells.push_back(shoot(*clip, "clip"));
    return cells;
}

ControlShots::Cells ControlShots::buttonSet(const ButtonSet& images) {
    myButtonStyle look(images.on, images.onSize, images.off, images.offSize, images.pressed,
                       images.pressedSize);
    Cells cells;
    const auto make = [&look](bool on) {
        auto button = std::make_unique<iButton>(look, "Button");
        button->setSize(look.getImageWidth(), look.getImageHeight());
        button->getButton().setToggleState(on, juce::dontSendNotification);
        return button;
    };
    auto on = make(true);
    cells.push_back(shoot(*on, "on"));
    auto off = make(false);
    cells.push_back(shoot(*off, "off"));
    auto pressed = make(false);
    pressed->getButton().setState(juce::Button::buttonDown);
    cells.push_back(shoot(*pressed, "pressed"));
    auto disabledOn = make(true);
    disabledOn->setEnabled(false);
    cells.push_back(shoot(*disabledOn, "disabled on"));
    auto disabledOff = make(false);
    disabledOff->setEnabled(false);
    cells.push_back(shoot(*disabledOff, "disabled off"));
    auto focused = make(false);
    cells.push_back(shoot(*focused, "focused", &focused->getButton()));
    return cells;
}

ControlShots::Cells ControlShots::unitButtons() {
    usButtonStyle look;
    Cells cells;
    const auto make = [&look](bool selected) {
        auto button = std::make_unique<juce::ToggleButton>("1");
        button->setLookAndFeel(&look);
        button->setButtonText("Studio");
        button->setToggleState(selected, juce::dontSendNotification);
        button->setSize(look.getIconWidth(), look.getUnitButtonHeight());
        return button;
    };
    auto selected = make(true);
    cells.push_back(shoot(*selected, "selected"));
    auto other = make(false);
    cells.push_back(shoot(*other, "not selected"));
    auto disabled = make(true);
    disabled->setEnabled(false);
    cells.push_back(shoot(*disabled, "disabled"));
    auto focused = make(false);
    cells.push_back(shoot(*focused, "focused", focused.get()));
    for (auto* button : {selected.get(), other.get(), disabled.get(), focused.get()})
        button->setLookAndFeel(nullptr);
    return cells;
}

ControlShots::Cells ControlShots::selector() {
    cpStyle look;
    Cells cells;
    const auto make = [&look]() {
        auto box = std::make_unique<juce::ComboBox>("SampleRate");
        box->setLookAndFeel(&look);
        box->addItemList({"44.1 kHz", "48 kHz", "88.2 kHz", "96 kHz"}, 1);
        box->setSelectedId(2, juce::dontSendNotification);
        box->setSize(90, 20);
        return box;
    };
    auto plain = make();
    cells.push_back(shoot(*plain, "selector"));
    auto focused = make();
    cells.push_back(shoot(*focused, "focused", focused.get()));
    plain->setLookAndFeel(nullptr);
    focused->setLookAndFeel(nullptr);
    return cells;
}

ControlShots::Cells ControlShots::tooltips() {
    myTooltip look(state_);
    Cells cells;
    for (const juce::String& text :
         {juce::String("HeadPhone Output Level"),
          juce::String("Provides 48 volts of 'phantom power' for condenser mics")}) {
        const juce::Rectangle<int> size = look.getTooltipSize(text);
        juce::Image image(juce::Image::ARGB, int(size.getWidth() * GallerySheet::kScale),
                          int(size.getHeight() * GallerySheet::kScale), true);
        juce::Graphics g(image);
        g.addTransform(juce::AffineTransform::scale(GallerySheet::kScale));
        look.drawTooltip(g, text, size.getWidth(), size.getHeight());
        cells.push_back(
            {image, juce::String(size.getWidth()) + " x " + juce::String(size.getHeight())});
    }
    return cells;
}

ControlShots::Cells ControlShots::titleBar() {
    myTooltip look(state_);
    juce::DocumentWindow window("LUMORA 1394 Control Panel", juce::Colours::black,
                                juce::DocumentWindow::closeButton, false);
    window.setLookAndFeel(&look);
    window.setTitleBarHeight(23);
    window.setSize(725, 60);
    // An inactive window disables its buttons; the panel's window is active.
    if (juce::Button* close = window.getCloseButton())
        close->setEnabled(true);
    juce::Image image = window.createComponentSnapshot({0, 0, 725, 23}, true, GallerySheet::kScale);
    window.setLookAndFeel(nullptr);
    return {{image, "title bar with its close button"}};
}

ControlShots::Cells ControlShots::closeButton() {
    myTooltip look(state_);
    Cells cells;
    const std::pair<juce::Button::ButtonState, const char*> states[] = {
        {juce::Button::buttonNormal, "normal"},
        {juce::Button::buttonOver, "mouse over"},
        {juce::Button::buttonDown, "pressed"}};
    for (const auto& [state, label] : states) {
        std::unique_ptr<juce::Button> close(
            look.createDocumentWindowButton(juce::DocumentWindow::closeButton));
        close->setState(state);
        cells.push_back(shoot(*close, label));
    }
    return cells;
}
