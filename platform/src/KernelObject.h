#pragma once

// Base of everything a HANDLE can name.
class KernelObject {
public:
    virtual ~KernelObject() = default;
};
