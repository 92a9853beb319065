#pragma once

// The program's entry: one panel per user, then JUCE. A start that finds a
// panel running hands its command line over and ends without a window.
namespace PanelMain {

int run(int argc, char* argv[]);

}  // namespace PanelMain
