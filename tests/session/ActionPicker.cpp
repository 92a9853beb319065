#include "ActionPicker.h"

#include <iterator>

namespace {

constexpr int kWidth = 725;
constexpr int kHeight = 620;

// Control with Z and Y undoes and redoes, with a digit recalls a snapshot, with Shift stores one.
const char* const kKeys[] = {"Tab",    "shift+Tab",    "Left",         "Right",  "Up",
                             "Down",   "Prior",        "Next",         "Home",   "End",
                             "space",  "Return",       "Escape",       "ctrl+z", "ctrl+y",
                             "ctrl+1", "ctrl+shift+1", "ctrl+shift+2", "ctrl+2"};
const char* const kTitleButtons[] = {"AlwaysOnTop", "WinShade", "Minimize"};
// Controls of every section for lumoractl, by its names; switches take on/off.
const char* const kRemoteLevels[] = {"main.fader",        "playback.fader", "strip.1.left.fader",
                                     "strip.2.right.pan", "input.1.gain",   "input.2.gain",
                                     "line.left",         "line.right",     "headphones"};
const char* const kRemoteSwitches[] = {"main.mute",     "playback.mute",     "mixbypass",
                                       "strip.1.link",  "strip.2.left.mute", "input.1.phantom",
                                       "input.2.boost", "input.1.limit",     "phono"};
const char kNameCharacters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789#-.";

}  // namespace

Action ActionPicker::next() {
    struct Choice {
        int weight;
        Action (ActionPicker::*make)();
    };
    static const Choice kChoices[] = {
        {36, &ActionPicker::click},    {5, &ActionPicker::menu},   {14, &ActionPicker::drag},
        {20, &ActionPicker::key},      {7, &ActionPicker::rename}, {8, &ActionPicker::titleButton},
        {10, &ActionPicker::busFault}, {8, &ActionPicker::remote},
    };
    int total = 0;
    for (const Choice& choice : kChoices)
        total += choice.weight;
    int draw = random_.below(total);
    for (const Choice& choice : kChoices) {
        if (draw < choice.weight)
            return (this->*choice.make)();
        draw -= choice.weight;
    }
    return click();
}

Action ActionPicker::click() {
    const std::string button = random_.below(10) == 0 ? "3" : "1";
    return {"click", {number(0, kWidth - 1), number(0, kHeight - 1), button}};
}

// A right click, then Escape (choice 0) or a click on the first or second item.
Action ActionPicker::menu() {
    return {"menu", {number(0, kWidth - 1), number(0, kHeight - 1), number(0, 2)}};
}

Action ActionPicker::drag() {
    const int x = random_.between(0, kWidth - 1);
    const int y = random_.between(0, kHeight - 1);
    return {"drag",
            {std::to_string(x), std::to_string(y), std::to_string(x + random_.between(-150, 150)),
             std::to_string(y + random_.between(-150, 150)), number(2, 6)}};
}

Action ActionPicker::key() {
    return {"key", {kKeys[random_.below(int(std::size(kKeys)))]}};
}

// The name editor of unit 1 to 4, up to seven characters (one more than a
// name holds), then Return or Escape.
Action ActionPicker::rename() {
    const std::string unit = number(1, 4);
    const std::string text = ":" + nameText();
    return {"rename", {unit, text, random_.below(3) == 0 ? "escape" : "return"}};
}

std::string ActionPicker::nameText() {
    std::string text;
    const int length = random_.between(0, 7);
    for (int i = 0; i < length; ++i)
        text += kNameCharacters[random_.below(int(sizeof kNameCharacters) - 1)];
    return text;
}

Action ActionPicker::titleButton() {
    return {"title", {kTitleButtons[random_.below(int(std::size(kTitleButtons)))]}};
}

// A control set through lumoractl, now and then another unit chosen or a
// mix saved or loaded (one of two files in the session's folder).
Action ActionPicker::remote() {
    switch (random_.below(9)) {
    case 0: return {"remote", {"unit", number(1, 4)}};
    case 8:
        return {"remote", {random_.below(2) == 0 ? "save" : "load", "mix" + number(1, 2) + ".imx"}};
    case 1:
    case 2:
    case 3:
        return {"remote",
                {"set", kRemoteSwitches[random_.below(int(std::size(kRemoteSwitches)))],
                 random_.below(2) == 0 ? "on" : "off"}};
    default:
        return {
            "remote",
            {"set", kRemoteLevels[random_.below(int(std::size(kRemoteLevels)))], number(0, 255)}};
    }
}

// Faults of the bus: units leaving and coming back, the driver away, slow units.
Action ActionPicker::busFault() {
    const std::string unit = number(1, 2);
    switch (random_.below(5)) {
    case 0: return {"bus", {"unplug", unit}};
    case 1: return {"bus", {"plug", unit}};
    case 2: return {"bus", {"set", "driver", random_.below(2) == 0 ? "Present=0" : "Present=1"}};
    default: {
        const char* const delays[] = {"IoDelayMs=0", "IoDelayMs=300", "IoDelayMs=3000"};
        return {"bus", {"set", unit, delays[random_.below(3)]}};
    }
    }
}
