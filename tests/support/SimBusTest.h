#pragma once
#include "ScopedEnv.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <string>

// A test on a bus file of its own, reset to the defaults (driver 2.13, unit 1
// plugged in, units 2 to 4 unplugged), with the registry kept in the same folder.
class SimBusTest : public ::testing::Test {
protected:
    SimBusTest();
    ~SimBusTest() override;

    void setDriverKey(const std::string& key, const std::string& value);
    void setUnitKey(int slot, const std::string& key, const std::string& value);
    std::string driverKey(const std::string& key);
    std::string unitKey(int slot, const std::string& key);
    // Runs a command line with this test's environment; its exit code.
    int run(const std::string& command, std::string* output = nullptr);

    TempDir dir_;
    ScopedEnv bus_;
    ScopedEnv config_;
};
