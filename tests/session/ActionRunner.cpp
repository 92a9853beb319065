#include "ActionRunner.h"

#include "ControlValues.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

// The window's drawn title bar (23 pixels below a 1-pixel border) and what
// lies on it and below it, in the window's coordinates.
constexpr int kTitleBar = 24;
constexpr int kButtonY = 2 + 11;
constexpr int kCloseLeft = 697;
constexpr int kFileButtonsLeft = 572, kFileButtonsRight = 689;
constexpr int kFileButtonsTop = kTitleBar + 506, kFileButtonsBottom = kTitleBar + 539;
constexpr int kShadeHeight = 159;
constexpr int kNormalHeight = 620;

int titleButtonX(const std::string& name) {
    if (name == "AlwaysOnTop")
        return 637 + 14;
    if (name == "WinShade")
        return 657 + 14;
    if (name == "Minimize")
        return 677 + 14;
    return -1;
}

// The middle of unit k's name label, under its button in the unit selector.
int nameLabelX(int unit) {
    return 1 + 583 + 10 + ((unit - 1) % 2) * 42 + 17;
}
int nameLabelY(int unit) {
    return kTitleBar + 402 + (unit <= 2 ? 49 : 88) + 7;
}

void pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace

bool ActionRunner::run(const Action& action) {
    const std::string& verb = action.verb;
    if (verb != "bus" && verb != "heal" && verb != "remote" && verb != "readback")
        show();
    if (verb == "click")
        return click(action);
    if (verb == "menu")
        return menu(action);
    if (verb == "drag")
        return drag(action);
    if (verb == "key") {
        window_.key(action.word(0));
        return true;
    }
    if (verb == "rename")
        return rename(action);
    if (verb == "title")
        return titleButton(action);
    if (verb == "bus")
        return bus(action);
    if (verb == "heal")
        return heal();
    if (verb == "remote")
        return remote(action);
    if (verb == "check")
        return check();
    if (verb == "readback")
        return readBack();
    note_("unknown action: " + action.text());
    return false;
}

// A pointer action on a minimised window would land on the desktop, where a
// click opens the window manager's own menu.
void ActionRunner::show() {
    if (!window_.isMinimised())
        return;
    window_.restore();
    note_(window_.isMinimised() ? "the minimised window did not come back"
                                : "restored the minimised window");
}

ActionRunner::Point ActionRunner::land(int x, int y, bool belowTitleBar) {
    const int width = std::max(1, window_.width());
    const int height = std::max(kTitleBar + 1, window_.height());
    const int top = belowTitleBar ? kTitleBar : 0;
    Point point{std::clamp(x, 0, width - 1), std::max(y, 0)};
    if (point.y >= height || point.y < top)
        point.y = top + point.y % (height - top);
    if (point.x >= kCloseLeft && point.y < kTitleBar)
        point.y += kTitleBar;
    const bool onFileButtons = point.x >= kFileButtonsLeft && point.x <= kFileButtonsRight &&
                               point.y >= kFileButtonsTop && point.y <= kFileButtonsBottom;
    if (onFileButtons)
        point.y = kFileButtonsTop - 1 - (point.y - kFileButtonsTop);
    return point;
}

bool ActionRunner::click(const Action& action) {
    const Point at = land(action.number(0), action.number(1), false);
    window_.click(at.x, at.y, action.number(2) == 3 ? 3 : 1);
    return true;
}

// A right click opens a menu where it lands (the background's knob motion, a
// label's edit menu); Escape or a click on one of its first items ends it.
bool ActionRunner::menu(const Action& action) {
    const Point at = land(action.number(0), action.number(1), false);
    window_.click(at.x, at.y, 3);
    pause(300);
    const int choice = action.number(2);
    if (choice == 0) {
        window_.key("Escape");
        return true;
    }
    const Point item = land(at.x + 25, at.y + 12 + 22 * (choice - 1), false);
    window_.click(item.x, item.y, 1);
    return true;
}

// Drags start below the title bar: one on the title bar would move the window.
bool ActionRunner::drag(const Action& action) {
    const Point from = land(action.number(0), action.number(1), true);
    const Point to = land(action.number(2), action.number(3), true);
    const int steps = std::clamp(action.number(4), 1, 20);
    window_.moveTo(from.x, from.y);
    window_.press(1);
    for (int step = 1; step <= steps; ++step) {
        pause(30);
        window_.moveTo(from.x + (to.x - from.x) * step / steps,
                       from.y + (to.y - from.y) * step / steps);
    }
    window_.release(1);
    return true;
}

// The typed text follows a ':' so that an empty name is a word of the log too.
bool ActionRunner::rename(const Action& action) {
    const int unit = std::clamp(action.number(0), 1, 4);
    const std::string text = action.word(1).empty() ? "" : action.word(1).substr(1);
    window_.doubleClick(nameLabelX(unit), nameLabelY(unit));
    // The editor opens once the panel has read the double click: keys typed
    // before would go to another control (a busy or sanitized panel is slow).
    pause(500);
    window_.type(text);
    pause(50);
    window_.key(action.word(2) == "escape" ? "Escape" : "Return");
    return true;
}

bool ActionRunner::titleButton(const Action& action) {
    const int x = titleButtonX(action.word(0));
    if (x < 0) {
        note_("unknown title-bar button: " + action.word(0));
        return false;
    }
    window_.click(x, kButtonY, 1);
    // The window manager minimises a little later: wait, so that the next
    // action finds the window minimised and shows it first.
    for (int waited = 0; action.word(0) == "Minimize" && waited < 1000; waited += 50) {
        if (window_.isMinimised())
            break;
        pause(50);
    }
    return true;
}

bool ActionRunner::bus(const Action& action) {
    const int code = bus_.run(action.words);
    if (code < 0) {
        note_("the bus tool did not end within its time: " + action.text());
        return false;
    }
    if (code != 0)
        note_("the bus tool ended with " + std::to_string(code));
    return true;
}

// A refusal (a greyed control, a unit not plugged in) is the panel's right
// answer; only a lumoractl that does not end is a fault.
bool ActionRunner::remote(const Action& action) {
    const int code = remote_.run(action.words);
    if (code < 0) {
        note_("lumoractl did not end within its time: " + action.text());
        return false;
    }
    if (code == 3)
        note_("lumoractl: no answer from the panel within 1 s");
    return true;
}

bool ActionRunner::heal() {
    if (!bus_.heal()) {
        note_("the bus could not be made healthy");
        return false;
    }
    pause(kSettleMs);
    return true;
}

// A minimise still pending in the panel may hide the window meanwhile: then
// the press is given up (0), to be made again on the window shown again.
int ActionRunner::pressShade(int heightBefore) {
    show();
    window_.click(titleButtonX("WinShade"), kButtonY, 1);
    for (int waited = 0; waited < kAnswerMs && !window_.isMinimised(); waited += 50) {
        const int height = window_.height();
        if (height != 0 && height != heightBefore)
            return height;
        pause(50);
    }
    return 0;
}

// Presses until the height changes, at most `presses` times; the new height, or 0.
int ActionRunner::pressShadeUntilChanged(int heightBefore, int presses) {
    int after = pressShade(heightBefore);
    for (int press = 1; press < presses && after == 0; ++press) {
        note_("the height stayed " + std::to_string(heightBefore) + ": pressed again");
        after = pressShade(heightBefore);
    }
    return after;
}

// The window answers when its shade button changes its height. A shade button
// pressed while no unit was attached stays on with the window unchanged, so
// its next press only turns it off: one more press then shows the strip.
bool ActionRunner::check() {
    window_.key("Escape");
    show();
    if (window_.keepOnScreen())
        note_("moved the window back onto the screen");
    const int before = window_.height();
    const int after = pressShadeUntilChanged(before, 3);
    const int back = after == 0 ? 0 : pressShadeUntilChanged(after, 2);
    const std::string heights = std::to_string(before) + " -> " + std::to_string(after) +
                                (after == 0 ? "" : " -> " + std::to_string(back));
    const auto answered = [](int height) {
        return height == kShadeHeight || height == kNormalHeight;
    };
    if (!answered(after) || !answered(back)) {
        note_("the window did not answer: height " + heights + "; " + window_.describe());
        if (window_.saveScreen(screenFile_))
            note_("the screen: " + screenFile_);
        return false;
    }
    note_("the window answers: height " + heights);
    return true;
}

// The panel reads its unit back when another unit is chosen and then this one
// again: every control must keep the value it showed, up to the rounding of
// the unit's encodings. A move shown but lost on its way to the unit fails here.
bool ActionRunner::readBack() {
    const ControlValues shown = ControlValues::parse(remote_.output({"list"}));
    const std::optional<int> unit = shown.value("unit.select");
    if (!unit || *unit < 1) {
        note_("the panel listed no selected unit");
        return false;
    }
    const std::string other = std::to_string(*unit == 1 ? 2 : 1);
    if (remote_.run({"unit", other}) != 0 || remote_.run({"unit", std::to_string(*unit)}) != 0) {
        note_("the panel did not choose unit " + other + " and then unit " + std::to_string(*unit));
        return false;
    }
    pause(kReadBackMs);
    const std::vector<std::string> lines =
        ControlValues::differences(shown, ControlValues::parse(remote_.output({"list"})));
    for (const std::string& line : lines)
        note_("read back from unit " + std::to_string(*unit) + ": " + line);
    return lines.empty();
}
