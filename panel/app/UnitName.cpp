#include "UnitName.h"

#include "UnitNameText.h"

UnitName::UnitName() : juce::Label("UnitName", {}) {
    setJustificationType(juce::Justification::centred);
    setColour(textColourId, juce::Colours::transparentBlack);
    setColour(backgroundColourId, juce::Colours::transparentBlack);
    setColour(outlineColourId, juce::Colours::transparentBlack);
    setColour(textWhenEditingColourId, juce::Colours::black);
    setColour(backgroundWhenEditingColourId, juce::Colours::white);
}

juce::TextEditor* UnitName::createEditorComponent() {
    auto* nameEditor = new juce::TextEditor(getName());
    nameEditor->setFont(juce::Font(12.0f, juce::Font::plain));
    nameEditor->setInputRestrictions(UnitNameText::kMaxLength);
    nameEditor->setIndents(0, 0);
    nameEditor->setJustification(juce::Justification::centred);
    nameEditor->setColour(juce::TextEditor::textColourId, juce::Colours::black);
    nameEditor->setColour(juce::TextEditor::backgroundColourId, juce::Colours::white);
    nameEditor->setColour(juce::TextEditor::highlightColourId, juce::Colour(0xFFADD8E6));
    nameEditor->setColour(juce::TextEditor::outlineColourId, juce::Colours::transparentBlack);
    nameEditor->setText(getText(), false);
    return nameEditor;
}

void UnitName::textWasEdited() {
    sendChangeMessage();
}
