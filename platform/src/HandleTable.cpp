#include "HandleTable.h"

#include <mutex>
#include <unordered_map>

namespace {

// Set once the table is gone at exit (or when a library holding this layer is
// unloaded); a plain flag stays valid through the end, so objects destroyed
// after the table, and closing their handles, find no table instead of a dead one.
bool tableGone = false;

struct Table {
    ~Table() { tableGone = true; }
    std::mutex lock;
    uintptr_t next = 0x100;
    std::unordered_map<HANDLE, std::shared_ptr<KernelObject>> objects;
};

Table* table() {
    static Table instance;
    return tableGone ? nullptr : &instance;
}

}  // namespace

HANDLE HandleTable::add(std::shared_ptr<KernelObject> object) {
    Table* found = table();
    if (found == nullptr)
        return nullptr;
    Table& t = *found;
    std::lock_guard<std::mutex> guard(t.lock);
    HANDLE handle = reinterpret_cast<HANDLE>(t.next);
    t.next += 4;
    t.objects.emplace(handle, std::move(object));
    return handle;
}

std::shared_ptr<KernelObject> HandleTable::get(HANDLE handle) {
    Table* found = table();
    if (found == nullptr)
        return nullptr;
    Table& t = *found;
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.objects.find(handle);
    return it == t.objects.end() ? nullptr : it->second;
}

bool HandleTable::remove(HANDLE handle) {
    std::shared_ptr<KernelObject> object;
    Table* found = table();
    if (found == nullptr)
        return false;
    Table& t = *found;
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.objects.find(handle);
    if (it == t.objects.end())
        return false;
    object = std::move(it->second);
    t.objects.erase(it);
    return true;
}
