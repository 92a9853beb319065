#pragma once
#include <X11/Xlib.h>
#include <string>
#include <vector>

// The panel's window as a person at the display meets it, through the X test
// extension: pointer moves, clicks and keys land wherever the window is now.
// The window is found again by its name before each use, since JUCE may
// replace its native window.
class PanelWindow {
public:
    PanelWindow() = default;
    ~PanelWindow();
    PanelWindow(const PanelWindow&) = delete;
    PanelWindow& operator=(const PanelWindow&) = delete;

    bool open(const std::string& display);
    // Looks the window up by name; false when there is none.
    bool find();
    int width();
    int height();
    bool isMinimised();
    // Asks the window manager to show a minimised window again.
    void restore();
    // Moves a window that lies partly off the screen back onto it; false when
    // it was on the screen already.
    bool keepOnScreen();

    // Points are in the window's own coordinates.
    void moveTo(int x, int y);
    void click(int x, int y, int button);
    void doubleClick(int x, int y);
    void press(int button);
    void release(int button);
    // A key by its X name ("Tab", "Prior", "space"), "shift+" and "ctrl+"
    // before it for Shift and Control ("ctrl+shift+1").
    void key(const std::string& name);
    void type(const std::string& text);
    void sync();

    // The window's id, place, size and state, for a failure's report.
    std::string describe();
    // The whole screen as a binary PPM picture; false when it cannot be written.
    bool saveScreen(const std::string& path);
    // The pixels of a rectangle of the window, row by row; empty when it cannot be read.
    std::vector<unsigned long> pixels(int x, int y, int width, int height);

private:
    Window search(Window parent, int depth);
    bool hasPanelName(Window window);
    long wmState();
    void tapKeycode(unsigned keycode, const std::vector<KeySym>& modifiers);

    Display* display_ = nullptr;
    Window window_ = 0;
};
