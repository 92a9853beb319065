#pragma once
#include "AvcUnit.h"
#include "TimedRetry.h"

#include <juce_core/juce_core.h>

// The two unit loops of the message thread that retry until the unit answers,
// bounded by time: re-opening the first unit after the units changed, and
// reading a unit's name for its button.
class UnitQueries {
public:
    static constexpr int64_t kReselectBudgetMs = 300;
    static constexpr int64_t kNameBudgetMs = 100;

    // Selects unit index 0 again and again while that fails and units are
    // listed; true when it is selected.
    static bool reselectFirstUnit(AvcUnit& unit,
                                  TimedRetry::Clock clock = TimedRetry::steadyMilliseconds());
    // The caption of the button of the unit at the index (see UnitNameText).
    static juce::String unitButtonText(AvcUnit& unit, int unitIndex,
                                       TimedRetry::Clock clock = TimedRetry::steadyMilliseconds());
};
