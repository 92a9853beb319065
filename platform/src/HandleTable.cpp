#include "HandleTable.h"

#include <mutex>
#include <unordered_map>

namespace {

struct Table {
    std::mutex lock;
    uintptr_t next = 0x100;
    std::unordered_map<HANDLE, std::shared_ptr<KernelObject>> objects;
};

Table& table() {
    static Table* instance = new Table();  // never destroyed: handles may be closed during exit
    return *instance;
}

}  // namespace

HANDLE HandleTable::add(std::shared_ptr<KernelObject> object) {
    Table& t = table();
    std::lock_guard<std::mutex> guard(t.lock);
    HANDLE handle = reinterpret_cast<HANDLE>(t.next);
    t.next += 4;
    t.objects.emplace(handle, std::move(object));
    return handle;
}

std::shared_ptr<KernelObject> HandleTable::get(HANDLE handle) {
    Table& t = table();
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.objects.find(handle);
    return it == t.objects.end() ? nullptr : it->second;
}

bool HandleTable::remove(HANDLE handle) {
    std::shared_ptr<KernelObject> object;
    Table& t = table();
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.objects.find(handle);
    if (it == t.objects.end())
        return false;
    object = std::move(it->second);
    t.objects.erase(it);
    return true;
}
