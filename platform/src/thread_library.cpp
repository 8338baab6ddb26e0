// DisableThreadLibraryCalls: a shared library on Linux gets no thread attach
// or detach notifications anyway, so there is nothing to switch off.
#include <qrvplatform/platform.h>

extern "C" int DisableThreadLibraryCalls(void *module) {
    (void)module;
    return 1;
}
