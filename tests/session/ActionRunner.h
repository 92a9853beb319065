#pragma once
#include "Action.h"
#include "BusControl.h"
#include "PanelWindow.h"
#include "RemoteControl.h"

#include <functional>
#include <string>

// Carries out an action on the panel's window or on the bus. Points drawn on
// the full window are fitted to the window as it is now (the shade strip is
// lower) and kept off the close button and off "Save" and "Load", whose file
// dialog would take the rest of the session.
class ActionRunner {
public:
    using Note = std::function<void(const std::string&)>;

    // A failed check saves the screen to screenFile.
    ActionRunner(PanelWindow& window, BusControl& bus, RemoteControl& remote, Note note,
                 std::string screenFile)
        : window_(window),
          bus_(bus),
          remote_(remote),
          note_(std::move(note)),
          screenFile_(std::move(screenFile)) {}

    // False when the action found a fault (the window did not answer, the
    // bus tool hung) or is unknown; the note says what.
    bool run(const Action& action);

    // How long after a heal the panel is given to see both units again.
    static constexpr int kSettleMs = 2000;
    // How long the window may take to answer a press of its shade button.
    static constexpr int kAnswerMs = 5000;
    // How long the panel is given to read a unit it was told to choose.
    static constexpr int kReadBackMs = 500;

private:
    struct Point {
        int x;
        int y;
    };
    void show();
    Point land(int x, int y, bool belowTitleBar);

    bool click(const Action& action);
    bool menu(const Action& action);
    bool drag(const Action& action);
    bool rename(const Action& action);
    bool titleButton(const Action& action);
    bool bus(const Action& action);
    bool remote(const Action& action);
    bool heal();
    bool check();
    bool readBack();
    // Presses the shade button; the window's new height, or 0 when it kept
    // its height for kAnswerMs.
    int pressShade(int heightBefore);
    int pressShadeUntilChanged(int heightBefore, int presses);

    PanelWindow& window_;
    BusControl& bus_;
    RemoteControl& remote_;
    Note note_;
    std::string screenFile_;
};
