// The library's start-up: nothing of its own to set up; it only asks for no
// thread notifications.  The C++ runtime runs the exit functions on unload.
#include <qrvplatform/platform.h>

#ifdef _WIN32

// The DLL's entry, called by the runtime's own after its start-up (which
// fails the load when it cannot allocate its table of exit functions).
extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(module);
    return TRUE;
}

#else

#include <dlfcn.h>

namespace {

// A shared library on Linux gets no thread notifications anyway; the call
// stands where the DLL makes it.
__attribute__((constructor)) void on_library_load() {
    Dl_info info{};
    void *module = dladdr(reinterpret_cast<void *>(&on_library_load), &info) ? info.dli_fbase : nullptr;
    DisableThreadLibraryCalls(module);
}

}  // namespace

#endif
