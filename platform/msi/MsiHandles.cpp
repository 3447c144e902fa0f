#include "MsiHandles.h"

#include <map>
#include <mutex>

namespace {

struct HandleTable {
    std::mutex lock;
    std::map<MSIHANDLE, std::shared_ptr<MsiObject>> objects;
    MSIHANDLE next = 1;
};

HandleTable& table() {
    static HandleTable instance;
    return instance;
}

} // namespace

MSIHANDLE MsiHandles::add(std::shared_ptr<MsiObject> object) {
    if (!object)
        return 0;
    HandleTable& t = table();
    std::lock_guard guard(t.lock);
    // Handles are never 0 and are not reused while open.
    while (t.next == 0 || t.objects.count(t.next))
        ++t.next;
    const MSIHANDLE handle = t.next++;
    t.objects.emplace(handle, std::move(object));
    return handle;
}

std::shared_ptr<MsiObject> MsiHandles::find(MSIHANDLE handle) {
    HandleTable& t = table();
    std::lock_guard guard(t.lock);
    const auto it = t.objects.find(handle);
    return it == t.objects.end() ? nullptr : it->second;
}

bool MsiHandles::close(MSIHANDLE handle) {
    std::shared_ptr<MsiObject> object;
    HandleTable& t = table();
    {
        std::lock_guard guard(t.lock);
        const auto it = t.objects.find(handle);
        if (it == t.objects.end())
            return false;
        object = std::move(it->second);
        t.objects.erase(it);
    }
    // The object goes outside the lock: its destructor may close other handles.
    object.reset();
    return true;
}
