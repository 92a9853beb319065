#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

#include <iterator>
#include <optional>

// The panel's size on screen on top of the desktop's own scale: 100 %, 150 % or
// 200 %, chosen in the context menu's "Size" submenu and remembered, or given for
// one run with --scale (1, 1.5, 2). JUCE's global scale factor does the scaling,
// so every position stays in the panel's logical pixels; it also carries the part
// of the desktop's scale that JUCE does not apply itself.
class PanelSize {
public:
    // Items 40, 41, 42 of the context menu: 100 %, 150 %, 200 %.
    static constexpr int kFirstItem = 40;
    static constexpr int kPercents[] = {100, 150, 200};

    // The percentage a --scale value names ("1", "1.5", "2"); none for anything else.
    static std::optional<int> fromScale(const juce::String& scale);
    // The remembered size, 100 when none (or no valid one) is stored.
    static int readStored();
    // The "Size" submenu with the size in use ticked.
    static juce::PopupMenu menu();
    // The size a menu result chooses; none for the other items.
    static std::optional<int> chosen(int menuResult);
    // The factor the desktop asks beyond JUCE's own scale of the screen; at least 1.
    static double beyondJuce(double desktopScale, double juceScale);
    // Takes the desktop's scale into every size from now on.
    static void followDesktop(double desktopScale);
    // Scales the whole program to `percent`; `window` keeps its logical size and
    // the screen position of its top-left corner.
    static void apply(int percent, juce::Component* window);
    // Applies a size chosen in the menu and remembers it.
    static void choose(int percent, juce::Component* window);
    // The size in use, in percent.
    static int current();
};
