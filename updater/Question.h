#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// A question in an alert box that does not block: the answer arrives in a
// callback. Return chooses the safe-to-press-by-habit answer that the caller
// names; Escape always chooses the answer that changes nothing.
class Question {
public:
    struct Answers {
        juce::String yes;  // the answer that acts
        juce::String no;   // the answer that changes nothing
        bool returnMeansYes = true;
    };

    static void ask(juce::Component& near, const juce::String& title, const juce::String& message,
                    const Answers& answers, std::function<void(bool yes)> answered);
};
