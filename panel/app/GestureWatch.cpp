#include "GestureWatch.h"

GestureWatch::GestureWatch(juce::Component& watched, std::function<void()> ended)
    : watched_(watched), ended_(std::move(ended)) {
    watched_.addMouseListener(this, true);
}

GestureWatch::~GestureWatch() {
    cancelPendingUpdate();
    watched_.removeMouseListener(this);
}

void GestureWatch::mouseUp(const juce::MouseEvent&) {
    triggerAsyncUpdate();
}

void GestureWatch::mouseWheelMove(const juce::MouseEvent&, const juce::MouseWheelDetails&) {
    triggerAsyncUpdate();
}

void GestureWatch::handleAsyncUpdate() {
    ended_();
}
