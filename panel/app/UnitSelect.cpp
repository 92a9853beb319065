#include "UnitSelect.h"

#include "AvcUnit.h"
#include "UnitNameText.h"
#include "UnitQueries.h"

UnitSelect::UnitSelect(AvcUnit& unit) : unit_(unit) {
    for (int k = 0; k < kUnits; ++k)
        setUpUnit(k);
    buttons_[0].setToggleState(true, juce::sendNotification);
}

UnitSelect::~UnitSelect() {
    for (int k = 0; k < kUnits; ++k) {
        buttons_[size_t(k)].removeListener(this);
        buttons_[size_t(k)].setLookAndFeel(nullptr);
        labels_[size_t(k)].removeChangeListener(this);
    }
}

// Each name label lies across the lower edge of its button, transparent
// until its editor opens.
void UnitSelect::setUpUnit(int k) {
    const int w = look_.getIconWidth();
    const int h = look_.getUnitButtonHeight();
    const int x = 10 + (k % 2) * (w + 10);
    ControlButton& button = buttons_[size_t(k)];
    button.setName(juce::String(k + 1));
    button.setButtonText("Unit " + juce::String(k + 1));
    button.setLookAndFeel(&look_);
    button.setClickingTogglesState(true);
    button.setRadioGroupId(kRadioGroup);
    button.setEnabled(false);
    button.setBounds(x, k < 2 ? 25 : h + 30, w, h);
    button.addListener(this);
    addAndMakeVisible(button);

    UnitName& label = labels_[size_t(k)];
    label.setEditable(false, false, true);
    label.setBounds(x, k < 2 ? h + 14 : h + 53, w + 2, 14);
    label.addChangeListener(this);
    addAndMakeVisible(label);
}

// Turning one button on turns the others off with a click message of their
// own; only the button that is now on speaks, so a press refreshes once.
void UnitSelect::buttonClicked(juce::Button* button) {
    if (button->getToggleState())
        unitButtonMessage(button->getName());
}

void UnitSelect::unitButtonMessage(const juce::String& message) {
    const int n = message.getIntValue();
    if (n < 1 || n > kUnits)
        return;
    unit_.VendorCommand4();
    if (buttons_[size_t(n - 1)].getToggleState()) {
        if (n == 1)
            unit_.SelectUnit(0);
        else if (!unit_.SelectUnit(n - 1))
            buttons_[0].setToggleState(true, juce::sendNotification);
    }
    sendActionMessage("UnitChange");
}

void UnitSelect::changeListenerCallback(juce::ChangeBroadcaster* source) {
    for (int k = 0; k < kUnits; ++k) {
        UnitName& label = labels_[size_t(k)];
        if (source != &label)
            continue;
        const juce::String before = shownName(k);
        const juce::String after = label.getText();
        renameUnit(k, after);
        if (onRenamed)
            onRenamed(k, before, after);
    }
}

juce::String UnitSelect::selectedCaption() const {
    for (const ControlButton& button : buttons_)
        if (button.isEnabled() && button.getToggleState())
            return button.getButtonText();
    return {};
}

bool UnitSelect::selectCaption(const juce::String& caption) {
    for (ControlButton& button : buttons_) {
        if (button.isEnabled() && caption.isNotEmpty() && button.getButtonText() == caption) {
            button.setToggleState(true, juce::sendNotification);
            return true;
        }
    }
    return false;
}

void UnitSelect::renameUnit(int index, const juce::String& name) {
    char bytes[UnitNameText::kMaxLength + 1] = {};
    UnitNameText::toUnitBytes(name, bytes);
    buttons_[size_t(index)].setButtonText(UnitNameText::buttonText(index, bytes));
    labels_[size_t(index)].setText(name, juce::dontSendNotification);
    unit_.SetUnitName(index, bytes);
}

juce::String UnitSelect::shownName(int index) {
    const juce::String text = buttons_[size_t(index)].getButtonText();
    return text == "Unit " + juce::String(index + 1) ? juce::String() : text;
}

void UnitSelect::rebuild() {
    for (ControlButton& button : buttons_)
        button.setButtonText({});
    const int units = unit_.GetUnitCount();
    unit_.noteUnitsShown(units);
    const int count = juce::jmin(units, kUnits);
    for (int i = count - 1; i >= 0; --i)
        buttons_[size_t(i)].setButtonText(UnitQueries::unitButtonText(unit_, i));
    buttons_[0].setToggleState(true, juce::sendNotification);
    for (int k = 0; k < kUnits; ++k) {
        const bool present = k < count;
        buttons_[size_t(k)].setEnabled(present);
        labels_[size_t(k)].setEditable(false, present, true);
    }
    unitButtonMessage("1");
}
