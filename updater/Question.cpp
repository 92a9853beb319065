#include "Question.h"

void Question::ask(juce::Component& near, const juce::String& title, const juce::String& message,
                   const Answers& answers, std::function<void(bool)> answered) {
    auto* box =
        new juce::AlertWindow(title, message, juce::MessageBoxIconType::QuestionIcon, &near);
    const juce::KeyPress enter(juce::KeyPress::returnKey);
    const juce::KeyPress escape(juce::KeyPress::escapeKey);
    if (answers.returnMeansYes) {
        box->addButton(answers.yes, 1, enter);
        box->addButton(answers.no, 0, escape);
    } else {
        box->addButton(answers.no, 0, enter, escape);
        box->addButton(answers.yes, 1);
    }
    box->setEscapeKeyCancels(true);
    box->setTitle(title);
    box->setDescription(message);
    box->enterModalState(
        true, juce::ModalCallbackFunction::create([answered = std::move(answered)](int result) {
            answered(result == 1);
        }),
        true);
}
