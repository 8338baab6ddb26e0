// The library's start-up: nothing of its own to set up; it only asks for no
// thread notifications, as a Windows DLL of this kind does on process attach.
// The C++ runtime runs the exit functions on unload.
#include <dlfcn.h>
#include <qrvplatform/platform.h>

namespace {

__attribute__((constructor)) void on_library_load() {
    Dl_info info{};
    void *module = dladdr(reinterpret_cast<void *>(&on_library_load), &info) ? info.dli_fbase : nullptr;
    DisableThreadLibraryCalls(module);
}

}  // namespace
