#pragma once
#include <string>
#include <vector>

// One OSC message as the panel's remote control reads it, free of the
// transport: the address and its arguments (int32, float32 or string).
struct RemoteArg {
    enum Type { Int, Float, Text };
    Type type = Int;
    double number = 0.0;
    std::string text;
};

struct RemoteMessage {
    std::string address;
    std::vector<RemoteArg> args;
};
