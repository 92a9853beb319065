#pragma once
#include "SimBusTest.h"

#include <cstdint>
#include <string>
#include <vector>

// A test on a private bus that sees every request reaching the simulated
// devices of this process.
class DriverTest : public SimBusTest {
protected:
    DriverTest();
    ~DriverTest() override;

    // The requests since the last call, compactly: "C 80882804" for the control
    // device, "U 80882C56 <input hex>" for a unit, the input bytes in hex
    // when there are any.
    static std::vector<std::string> takeRequests();
};

std::string hexBytes(const uint8_t* bytes, size_t size);

// The path of the simulated unit in a slot, as the driver lists it.
std::string unitPath(int slot);
