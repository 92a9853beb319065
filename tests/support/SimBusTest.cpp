#include "SimBusTest.h"

#include "SimBus.h"
#include "SimKeys.h"
#include "SimUnitSettings.h"

#include <cstdio>
#include <sys/wait.h>

SimBusTest::SimBusTest()
    : bus_("TVC_SIM_BUS", dir_.file("bus.ini")), config_("XDG_CONFIG_HOME", dir_.file("config")) {
    SimBus::instance().reset();
}

// Settings a unit stored during the test go to this test's bus, not the next one's.
SimBusTest::~SimBusTest() {
    SimUnitSettings::instance().flush();
}

void SimBusTest::setDriverKey(const std::string& key, const std::string& value) {
    ASSERT_TRUE(SimBus::instance().update(
        [&](IniText& bus) { bus.set(SimKeys::kDriverSection, key, value); }));
}

void SimBusTest::setUnitKey(int slot, const std::string& key, const std::string& value) {
    ASSERT_TRUE(SimBus::instance().update(
        [&](IniText& bus) { bus.set(SimKeys::unitSection(slot), key, value); }));
}

std::string SimBusTest::driverKey(const std::string& key) {
    return SimBus::driverValue(*SimBus::instance().snapshot(), key);
}

std::string SimBusTest::unitKey(int slot, const std::string& key) {
    return SimBus::unitValue(*SimBus::instance().snapshot(), slot, key);
}

int SimBusTest::run(const std::string& command, std::string* output) {
    // The tests run the programs as a user would, through the shell.
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");  // NOLINT(cert-env33-c)
    if (pipe == nullptr)
        return -1;
    std::string text;
    char buffer[512];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        text.append(buffer, got);
    int status = ::pclose(pipe);
    if (output != nullptr)
        *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
