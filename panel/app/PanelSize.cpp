#include "PanelSize.h"

#include "WindowMemory.h"

#include <algorithm>
#include <cmath>

namespace {

// The desktop's scale that JUCE leaves to the program.
double desktopExtra = 1.0;

bool known(int percent) {
    for (int size : PanelSize::kPercents)
        if (size == percent)
            return true;
    return false;
}

}  // namespace

std::optional<int> PanelSize::fromScale(const juce::String& scale) {
    if (scale.isEmpty() || !scale.containsOnly("0123456789."))
        return std::nullopt;
    // 1, 1.5 and 2 are exact in binary, and so are their hundredfolds.
    const double percent = scale.getDoubleValue() * 100.0;
    for (int size : kPercents)
        if (percent == double(size))
            return size;
    return std::nullopt;
}

int PanelSize::readStored() {
    const int percent = WindowMemory::readSize();
    return known(percent) ? percent : 100;
}

juce::PopupMenu PanelSize::menu() {
    juce::PopupMenu menu;
    for (int i = 0; i < int(std::size(kPercents)); ++i)
        menu.addItem(kFirstItem + i, juce::String(kPercents[i]) + " %", true,
                     kPercents[i] == current());
    return menu;
}

std::optional<int> PanelSize::chosen(int menuResult) {
    const int index = menuResult - kFirstItem;
    if (index < 0 || index >= int(std::size(kPercents)))
        return std::nullopt;
    return kPercents[index];
}

double PanelSize::beyondJuce(double desktopScale, double juceScale) {
    return juceScale > 0.0 ? std::max(1.0, desktopScale / juceScale) : 1.0;
}

// JUCE's display scale includes its global factor, which is taken out.
void PanelSize::followDesktop(double desktopScale) {
    const juce::Desktop& desktop = juce::Desktop::getInstance();
    const juce::Displays::Display* screen = desktop.getDisplays().getPrimaryDisplay();
    const double juceScale =
        screen != nullptr ? screen->scale / desktop.getGlobalScaleFactor() : 1.0;
    desktopExtra = beyondJuce(desktopScale, juceScale);
}

// JUCE keeps a window's device pixels when the scale changes, so its logical
// bounds are set again afterwards.
void PanelSize::apply(int percent, juce::Component* window) {
    juce::Desktop& desktop = juce::Desktop::getInstance();
    const float before = desktop.getGlobalScaleFactor();
    const float after = float(percent / 100.0 * desktopExtra);
    if (before == after)
        return;
    const juce::Rectangle<int> bounds =
        window != nullptr ? window->getBounds() : juce::Rectangle<int>();
    desktop.setGlobalScaleFactor(after);
    if (window != nullptr)
        window->setBounds(
            bounds.withPosition((bounds.getPosition().toFloat() * before / after).roundToInt()));
}

void PanelSize::choose(int percent, juce::Component* window) {
    apply(percent, window);
    WindowMemory::storeSize(percent);
}

int PanelSize::current() {
    return int(
        std::lround(juce::Desktop::getInstance().getGlobalScaleFactor() / desktopExtra * 100.0));
}
