#include "myMeters.h"

#include "PanelState.h"
#include "SkinData.h"
#include "SkinImage.h"
#include "ValueText.h"

namespace {

// A read-only level for a screen reader; pressing it clears the peak as a click does.
class MeterValue : public juce::AccessibilityTextValueInterface {
public:
    explicit MeterValue(const myMeters& meter) : meter_(meter) {}

    bool isReadOnly() const override { return true; }
    juce::String getCurrentValueAsString() const override {
        const MeterBallistics& b = meter_.getBallistics();
        return ValueText::meter(b.getDisplay(), b.getPeak() < MeterBallistics::kClipZone);
    }
    void setValueAsString(const juce::String&) override {}

private:
    const myMeters& meter_;
};

}  // namespace

myMeters::myMeters(const PanelState& state)
    : state_(state),
      image_(SkinImage::decoded(SkinData::meterfill_png, SkinData::meterfill_pngSize)) {
    setWantsKeyboardFocus(false);
}

myMeters::~myMeters() {
    stopTimer();
}

void myMeters::setLevel(double level, double offset) {
    const MeterBallistics::Update update =
        ballistics_.setLevel(level, offset, state_.getMixBypass());
    if (update.startHold)
        startTimer(MeterBallistics::kHoldMilliseconds);
    if (update.repaint)
        repaint();
}

void myMeters::setAlwaysAddOffset(bool on) {
    ballistics_.setAlwaysAddOffset(on);
}

void myMeters::setAccessibleName(const juce::String& name) {
    setTitle(name);
}

void myMeters::paint(juce::Graphics& g) {
    g.setFillType(juce::FillType(image_, juce::AffineTransform()));
    const float width = float(getWidth());
    g.fillRoundedRectangle(0.0f, float(ballistics_.getDisplay()), width, float(getHeight()), 1.0f);
    g.fillRect(0, int(ballistics_.getPeak()), getWidth(), ballistics_.getPeakHeight());
}

void myMeters::mouseDown(const juce::MouseEvent&) {
    ballistics_.clearPeak();
    repaint();
}

void myMeters::timerCallback() {
    if (ballistics_.holdExpired()) {
        stopTimer();
        const double cleared = ballistics_.getClearedPeak();
        // A marker at exactly 1.0 was drawn clip-tall; take all of it away.
        repaint(0, int(cleared), getWidth(), cleared <= 1.0 ? 10 : 2);
    }
    if (ballistics_.holdOver())
        stopTimer();
}

std::unique_ptr<juce::AccessibilityHandler> myMeters::createAccessibilityHandler() {
    return std::make_unique<juce::AccessibilityHandler>(
        *this, juce::AccessibilityRole::progressBar,
        juce::AccessibilityActions().addAction(juce::AccessibilityActionType::press,
                                               [this] {
                                                   ballistics_.clearPeak();
                                                   repaint();
                                               }),
        juce::AccessibilityHandler::Interfaces{std::make_unique<MeterValue>(*this)});
}
