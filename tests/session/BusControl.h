#pragma once
#include <string>
#include <vector>

// The session's hand on the simulated bus: the bus tool run with the session's
// environment, each run bounded, so every change is made under the bus file's
// lock as another process would make it.
class BusControl {
public:
    BusControl(std::string tool, std::vector<std::string> env, std::string outputFile)
        : tool_(std::move(tool)), env_(std::move(env)), outputFile_(std::move(outputFile)) {}

    // The tool's exit code, -1 when it did not end in time.
    int run(const std::vector<std::string>& args);
    // The bus from its defaults with units 1 and 2 plugged in.
    bool makeTwoUnits();
    // Both units plugged in and quick, the driver present.
    bool heal();

    // Empty when the bus file parses and holds [Unit1] and [Unit2] plugged in;
    // else what is wrong.
    static std::string checkFile(const std::string& busFile);

private:
    std::string tool_;
    std::vector<std::string> env_;
    std::string outputFile_;
};
