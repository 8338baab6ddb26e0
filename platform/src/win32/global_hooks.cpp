// The test hooks of global memory on Windows, over KERNEL32's own blocks.
// On first use the import address tables of our modules (every module
// loaded from the program's folder: the program, qrvex.dll, the toolkit and
// filter DLLs) are pointed at the wrappers below for GlobalAlloc,
// GlobalReAlloc and GlobalFree.  The wrappers count attempts, fail the one
// asked for, keep the set of blocks they handed out, and on request move an
// unlocked block on every reallocation, keeping its handle.
#include <qrvplatform/platform.h>
#include <tlhelp32.h>

#include <cstring>
#include <mutex>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

using AllocFn = HGLOBAL(WINAPI *)(UINT, SIZE_T);
using ReAllocFn = HGLOBAL(WINAPI *)(HGLOBAL, SIZE_T, UINT);
using FreeFn = HGLOBAL(WINAPI *)(HGLOBAL);

struct Kernel32 {
    AllocFn alloc;
    ReAllocFn realloc;
    FreeFn free;
};

// The real functions.  Calls from this file must not go through the
// program's import table, which points back here once patched.
const Kernel32 &kernel32() {
    static const Kernel32 real = [] {
        HMODULE k = GetModuleHandleA("kernel32.dll");
        return Kernel32{reinterpret_cast<AllocFn>(reinterpret_cast<void *>(GetProcAddress(k, "GlobalAlloc"))),
                        reinterpret_cast<ReAllocFn>(reinterpret_cast<void *>(GetProcAddress(k, "GlobalReAlloc"))),
                        reinterpret_cast<FreeFn>(reinterpret_cast<void *>(GetProcAddress(k, "GlobalFree")))};
    }();
    return real;
}

struct State {
    std::mutex mutex;
    uint32_t fail_countdown = 0;
    uint32_t attempts = 0;
    bool move_on_realloc = false;
    std::unordered_set<HGLOBAL> live;

    // Counts one allocation attempt and says whether it is the one to fail.
    bool injected_failure() {
        ++attempts;
        return fail_countdown != 0 && --fail_countdown == 0;
    }
};

State &state() {
    static State *instance = new State;  // outlives every static destructor
    return *instance;
}

// Gives an unlocked movable block new storage under the same handle: the
// contents are kept aside, the old storage is discarded and taken by a
// stand-in while the handle gets fresh storage, so the address changes (a
// few tries; KERNEL32 places the storage).  A failure leaves the block as
// it was.
HGLOBAL move_block(HGLOBAL h, SIZE_T bytes, UINT flags) {
    const SIZE_T old_size = GlobalSize(h);
    void *old_address = GlobalLock(h);
    if (!old_address) return nullptr;
    std::vector<unsigned char> kept(static_cast<const unsigned char *>(old_address),
                                    static_cast<const unsigned char *>(old_address) + old_size);
    GlobalUnlock(h);
    std::vector<HGLOBAL> stand_ins;
    bool stored = true, moved = false;
    for (int tries = 0; tries < 8 && stored && !moved; ++tries) {
        stored = kernel32().realloc(h, 0, GMEM_MOVEABLE) != nullptr;  // discards the storage
        stand_ins.push_back(kernel32().alloc(GMEM_FIXED, old_size ? old_size : 1));
        stored = stored && kernel32().realloc(h, bytes, GMEM_MOVEABLE) != nullptr;
        moved = stored && GlobalLock(h) != old_address;
        if (stored) GlobalUnlock(h);
    }
    for (HGLOBAL s : stand_ins)
        if (s) kernel32().free(s);
    if (!stored) kernel32().realloc(h, old_size, GMEM_MOVEABLE);
    auto *data = static_cast<unsigned char *>(GlobalLock(h));
    if (!data) return nullptr;
    const SIZE_T now = GlobalSize(h);
    std::memcpy(data, kept.data(), kept.size() < now ? kept.size() : now);
    if ((flags & GMEM_ZEROINIT) && now > kept.size()) std::memset(data + kept.size(), 0, now - kept.size());
    GlobalUnlock(h);
    return stored ? h : nullptr;
}

bool is_movable(HGLOBAL h) {
    void *address = GlobalLock(h);
    if (address) GlobalUnlock(h);
    return address && address != h;
}

HGLOBAL WINAPI counted_alloc(UINT flags, SIZE_T bytes) {
    State &s = state();
    std::lock_guard g(s.mutex);
    if (s.injected_failure()) return nullptr;
    HGLOBAL h = kernel32().alloc(flags, bytes);
    if (h) s.live.insert(h);
    return h;
}

HGLOBAL WINAPI counted_realloc(HGLOBAL h, SIZE_T bytes, UINT flags) {
    State &s = state();
    std::lock_guard g(s.mutex);
    if (s.injected_failure()) return nullptr;
    HGLOBAL result;
    if (s.move_on_realloc && GlobalLockCount(h) == 0 && is_movable(h) && bytes != 0)
        result = move_block(h, bytes, flags);
    else
        result = kernel32().realloc(h, bytes, flags);
    if (result && result != h && s.live.erase(h)) s.live.insert(result);
    return result;
}

HGLOBAL WINAPI counted_free(HGLOBAL h) {
    State &s = state();
    std::lock_guard g(s.mutex);
    HGLOBAL result = kernel32().free(h);
    if (!result) s.live.erase(h);
    return result;
}

std::string folder_of(const char *path) {
    const char *slash = std::strrchr(path, '\\');
    return slash ? std::string(path, slash) : std::string();
}

// Points module's imports of the three functions at the wrappers.
void patch_imports(HMODULE module) {
    auto *base = reinterpret_cast<unsigned char *>(module);
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress) return;
    const std::pair<void *, void *> wrappers[] = {
        {reinterpret_cast<void *>(kernel32().alloc), reinterpret_cast<void *>(&counted_alloc)},
        {reinterpret_cast<void *>(kernel32().realloc), reinterpret_cast<void *>(&counted_realloc)},
        {reinterpret_cast<void *>(kernel32().free), reinterpret_cast<void *>(&counted_free)},
    };
    for (auto *d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + imports.VirtualAddress); d->Name; ++d) {
        for (auto *slot = reinterpret_cast<void **>(base + d->FirstThunk); *slot; ++slot) {
            for (const auto &[real, wrapper] : wrappers) {
                if (*slot != real) continue;
                DWORD protection;
                VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
                *slot = wrapper;
                VirtualProtect(slot, sizeof *slot, protection, &protection);
            }
        }
    }
}

void install() {
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof program);
    const std::string folder = folder_of(program);
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32First(snapshot, &entry); more; more = Module32Next(snapshot, &entry))
        if (_stricmp(folder_of(entry.szExePath).c_str(), folder.c_str()) == 0) patch_imports(entry.hModule);
    CloseHandle(snapshot);
}

State &hooked() {
    static std::once_flag installed;
    std::call_once(installed, install);
    return state();
}

}  // namespace

extern "C" {

void QrvGlobalFailAfter(uint32_t n) {
    State &s = hooked();
    std::lock_guard g(s.mutex);
    s.fail_countdown = n;
}

uint32_t QrvGlobalAllocationCount(void) {
    State &s = hooked();
    std::lock_guard g(s.mutex);
    return s.attempts;
}

size_t QrvGlobalLiveBlocks(void) {
    State &s = hooked();
    std::lock_guard g(s.mutex);
    return s.live.size();
}

int QrvGlobalSetMoveOnRealloc(int on) {
    State &s = hooked();
    std::lock_guard g(s.mutex);
    const bool previous = s.move_on_realloc;
    s.move_on_realloc = on != 0;
    return previous;
}

}  // extern "C"
