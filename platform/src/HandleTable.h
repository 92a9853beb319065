#pragma once
#include "KernelObject.h"
#include "win_base.h"

#include <memory>

// Maps HANDLE values to kernel objects. A lookup hands out shared ownership,
// so an object outlives a CloseHandle that races with a request using it.
class HandleTable {
public:
    static HANDLE add(std::shared_ptr<KernelObject> object);
    static std::shared_ptr<KernelObject> get(HANDLE handle);
    static bool remove(HANDLE handle);

    template <class T>
    static std::shared_ptr<T> getAs(HANDLE handle) {
        return std::dynamic_pointer_cast<T>(get(handle));
    }
};
