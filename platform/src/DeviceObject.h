#pragma once
#include "KernelObject.h"
#include "SimDevice.h"

#include <memory>

// An open device of the simulated driver behind a HANDLE.
class DeviceObject : public KernelObject {
public:
    DeviceObject(std::unique_ptr<SimDevice> device, bool overlapped)
        : device_(std::move(device)), overlapped_(overlapped) {}

    SimDevice& device() { return *device_; }
    bool overlapped() const { return overlapped_; }

private:
    std::unique_ptr<SimDevice> device_;
    bool overlapped_;
};
