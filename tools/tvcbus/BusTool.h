#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// The bus tool's commands: show the simulated bus, plug and unplug units,
// set keys of the driver and of a unit, reset the bus to its defaults.
class BusTool {
public:
    BusTool(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    int run(const std::vector<std::string>& args);

private:
    int show();
    int plug(const std::vector<std::string>& args, bool present);
    int set(const std::vector<std::string>& args);
    int mixer(const std::string& unit);
    int reset();
    int usage(int code);
    int fail(const std::string& message);

    bool parseSlot(const std::string& text, int& slot);
    bool knownKey(bool driver, const std::string& key, std::string& name);
    bool checkValue(const std::string& key, const std::string& value);

    std::ostream& out_;
    std::ostream& err_;
};
