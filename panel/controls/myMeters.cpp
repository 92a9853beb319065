#include "myMeters.h"

#include "PanelState.h"
#include "SkinBackdrop.h"
#include "SkinData.h"
#include "SkinImage.h"
#include "ValueText.h"

#include <algorithm>
#include <cmath>

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
    // Everything paint() draws lies inside the meter: the renderer need not
    // narrow its clip to the meter first, eight times a frame.
    setPaintingIsUnclipped(true);
}

// Only the rows that changed are repainted: the bar's edge between its old and
// new place, and the peak marker where it was and where it is. A hold that ran
// out goes first, as it would have gone at its time.
void myMeters::setLevel(double level, double offset) {
    if (holding_)
        endHoldIfOver();
    const double display = ballistics_.getDisplay();
    const double peak = ballistics_.getPeak();
    const int peakHeight = ballistics_.getPeakHeight();
    const MeterBallistics::Update update =
        ballistics_.setLevel(level, offset, state_.getMixBypass());
    if (update.startHold)
        restartHold();
    if (update.repaint)
        repaintRows(display, ballistics_.getDisplay());
    if (ballistics_.getPeak() != peak) {
        repaintPeak(peak, peakHeight);
        repaintPeak(ballistics_.getPeak(), ballistics_.getPeakHeight());
    }
}

// The bar's top edge is rounded and anti-aliased: a row above and two below it change too.
void myMeters::repaintRows(double from, double to) {
    if (from == to)
        return;
    const int top = int(std::floor(std::min(from, to))) - 1;
    const int bottom = int(std::ceil(std::max(from, to))) + 2;
    repaint(0, top, getWidth(), bottom - top);
}

void myMeters::repaintPeak(double position, int height) {
    repaint(0, int(position), getWidth(), height);
}

void myMeters::setAlwaysAddOffset(bool on) {
    ballistics_.setAlwaysAddOffset(on);
}

void myMeters::setAccessibleName(const juce::String& name) {
    setTitle(name);
}

void myMeters::parentHierarchyChanged() {
    backdrop_ = findParentComponentOfClass<SkinBackdrop>();
    setOpaque(backdrop_ != nullptr);
}

// A repaint covers a few rows around the bar's top edge: each part is drawn
// only where it meets them. Only the top edge is rounded and anti-aliased;
// below it the bar is whole pixels, which the renderer fills far more cheaply
// than a path, and the fill image is opaque, so the skin shows only above it.
void myMeters::paint(juce::Graphics& g) {
    const double display = ballistics_.getDisplay();
    const int edge = int(display);
    const int body = edge + 2;
    const juce::Rectangle<int> dirty = g.getClipBounds().getIntersection(getLocalBounds());
    if (dirty.isEmpty())
        return;
    if (backdrop_ != nullptr && dirty.getY() < body)
        backdrop_->drawBackdrop(g, *this, dirty.withBottom(std::min(dirty.getBottom(), body)));
    g.setFillType(SkinImage::brush(g, image_, {}));
    if (dirty.getY() < body && dirty.getBottom() > edge) {
        const juce::Graphics::ScopedSaveState saved(g);
        g.reduceClipRegion(0, edge, getWidth(), std::min(body, getHeight()) - edge);
        g.fillPath(bar_, juce::AffineTransform::translation(0.0f, float(display)));
    }
    if (dirty.getBottom() > body)
        g.fillRect(0, body, getWidth(), getHeight() - body);
    const juce::Rectangle<int> peak(0, int(ballistics_.getPeak()), getWidth(),
                                    ballistics_.getPeakHeight());
    g.fillRect(peak.getIntersection(getLocalBounds()));
}

// The bar's outline at the top of the meter, moved down to the level when drawn.
void myMeters::resized() {
    bar_.clear();
    bar_.addRoundedRectangle(0.0f, 0.0f, float(getWidth()), float(getHeight()), 1.0f);
}

void myMeters::mouseDown(const juce::MouseEvent&) {
    ballistics_.clearPeak();
    repaint();
}

// The hold is timed by the meter's own updates, 40 a second from the poll,
// not by a timer: a timer of each meter's own woke the message thread between
// frames, and the marker it cleared cost a frame of its own.
void myMeters::restartHold() {
    holdStarted_ = juce::Time::getMillisecondCounter();
    holding_ = true;
}

void myMeters::endHoldIfOver() {
    const int held = int(juce::Time::getMillisecondCounter() - holdStarted_);
    if (held < MeterBallistics::kHoldMilliseconds)
        return;
    holding_ = false;
    if (ballistics_.holdExpired()) {
        const double cleared = ballistics_.getClearedPeak();
        // A marker at exactly 1.0 was drawn clip-tall; take all of it away.
        repaintPeak(cleared, cleared <= 1.0 ? 10 : 2);
    }
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
