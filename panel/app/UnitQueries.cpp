#include "UnitQueries.h"

#include "UnitNameText.h"

bool UnitQueries::reselectFirstUnit(AvcUnit& unit, TimedRetry::Clock clock) {
    TimedRetry retry(kReselectBudgetMs, std::move(clock));
    bool selected = false;
    retry.run([&] {
        selected = unit.SelectUnit(0);
        return selected || unit.GetUnitCount() == 0;
    });
    return selected;
}

// Each unit is asked afresh: one that timed out must not make the next unit's
// name fail at once (AvcUnit holds commands back for a while after a timeout).
juce::String UnitQueries::unitButtonText(AvcUnit& unit, int unitIndex, TimedRetry::Clock clock) {
    AvcUnit::Refresh freshUnit(unit);
    char name[UnitNameText::kMaxLength + 1] = {};
    TimedRetry retry(kNameBudgetMs, std::move(clock));
    bool read = retry.run([&] { return unit.GetUnitName(unitIndex, name); });
    return UnitNameText::buttonText(unitIndex, read ? name : nullptr);
}
