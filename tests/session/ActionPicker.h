#pragma once
#include "Action.h"
#include "SessionRandom.h"

#include <cstdint>

// Draws the session's random actions from its seed alone, never from what the
// panel shows, so one seed gives one sequence of actions. Points are drawn on
// the full 725 x 620 window; the runner fits them to the window as it is.
class ActionPicker {
public:
    explicit ActionPicker(uint64_t seed) : random_(seed) {}

    Action next();
    // The pause before the next action, in milliseconds.
    int pauseMs() { return random_.between(20, 250); }

private:
    Action click();
    Action menu();
    Action drag();
    Action key();
    Action rename();
    Action titleButton();
    Action busFault();
    Action remote();

    std::string number(int lo, int hi) { return std::to_string(random_.between(lo, hi)); }
    std::string nameText();

    SessionRandom random_;
};
