// Structured exceptions on POSIX signals.  Each thread keeps a stack of
// frames; RaiseException and the fault signals end the innermost frame by a
// siglongjmp back to its QRV_SEH_TRY.  A thread that pushes a frame gets an
// alternate signal stack, so a stack overflow inside a frame is caught too.
// C++ destructors between the fault and the frame do not run: code inside a
// frame must not rely on them for anything but memory.
//
// Which frames those are: the library guards its four EX exports
// (src/export/frame.hpp), and the library's own code inside them keeps no
// object with a destructor: the export record is locked and unlocked by
// plain calls (src/export/module_record.hpp), so a fault leaves it locked,
// as a structured exception on Windows does (ExportFrame.
// ExceptionsInsideTheFilterComeBackAsResults checks it).  Below them run
// the filter's frames, which are the filter's: a filter that faults loses
// what its own objects held (the reference filters' strings and vectors),
// and the export's result names the exception.  Nothing else is released
// on that path.
#include <qrvplatform/platform.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <ucontext.h>

namespace {

constexpr int kFaultSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};
constexpr size_t kAltStackSize = 64 * 1024;
constexpr uintptr_t kStackOverflowReach = 64 * 1024;
constexpr uint32_t kFltDenormalOperand = 0xC000008Du;
constexpr uint32_t kFltInexactResult = 0xC000008Fu;
constexpr uint32_t kFltUnderflow = 0xC0000093u;
constexpr uint32_t kArrayBoundsExceeded = 0xC000008Cu;
constexpr uint32_t kPrivilegedInstruction = 0xC0000096u;

thread_local QrvSehFrame *innermost = nullptr;

struct sigaction previous_actions[sizeof kFaultSignals / sizeof kFaultSignals[0]];

// The alternate stack of one thread, released when the thread ends.
struct AltStack {
    void *memory = nullptr;
    void ensure() {
        if (memory) return;
        memory = std::malloc(kAltStackSize);
        if (!memory) return;
        stack_t ss{};
        ss.ss_sp = memory;
        ss.ss_size = kAltStackSize;
        if (sigaltstack(&ss, nullptr) != 0) {
            std::free(memory);
            memory = nullptr;
        }
    }
    ~AltStack() {
        if (!memory) return;
        stack_t ss{};
        ss.ss_flags = SS_DISABLE;
        sigaltstack(&ss, nullptr);
        std::free(memory);
    }
};
thread_local AltStack alt_stack;

[[noreturn]] void end_innermost_frame(uint32_t code) {
    QrvSehFrame *frame = innermost;
    innermost = frame->prev;
    frame->code = code;
    siglongjmp(frame->jump, 1);
}

uintptr_t interrupted_stack_pointer(void *context) {
    const auto *uc = static_cast<const ucontext_t *>(context);
#if defined(__x86_64__)
    return static_cast<uintptr_t>(uc->uc_mcontext.gregs[REG_RSP]);
#elif defined(__i386__)
    return static_cast<uintptr_t>(uc->uc_mcontext.gregs[REG_ESP]);
#else
    (void)uc;
    return 0;
#endif
}

bool near_stack_pointer(uintptr_t address, uintptr_t sp) {
    if (sp == 0) return false;
    const uintptr_t distance = address > sp ? address - sp : sp - address;
    return distance < kStackOverflowReach;
}

uint32_t fpe_code(int si_code) {
    switch (si_code) {
    case FPE_INTDIV: return EXCEPTION_INT_DIVIDE_BY_ZERO;
    case FPE_INTOVF: return EXCEPTION_INT_OVERFLOW;
    case FPE_FLTDIV: return EXCEPTION_FLT_DIVIDE_BY_ZERO;
    case FPE_FLTOVF: return EXCEPTION_FLT_OVERFLOW;
    case FPE_FLTUND: return kFltUnderflow;
    case FPE_FLTRES: return kFltInexactResult;
    case FPE_FLTSUB: return kArrayBoundsExceeded;
#ifdef FPE_FLTUNK
    case FPE_FLTUNK: return kFltDenormalOperand;
#endif
    default: return EXCEPTION_FLT_INVALID_OPERATION;
    }
}

// The exception code Windows gives for the same fault.
uint32_t exception_code(int sig, const siginfo_t *info, void *context) {
    switch (sig) {
    case SIGSEGV: {
        const auto address = reinterpret_cast<uintptr_t>(info->si_addr);
        return near_stack_pointer(address, interrupted_stack_pointer(context)) ? EXCEPTION_STACK_OVERFLOW
                                                                               : EXCEPTION_ACCESS_VIOLATION;
    }
    case SIGBUS: return info->si_code == BUS_ADRALN ? EXCEPTION_DATATYPE_MISALIGNMENT : EXCEPTION_IN_PAGE_ERROR;
    case SIGFPE: return fpe_code(info->si_code);
    case SIGILL: return info->si_code == ILL_PRVOPC ? kPrivilegedInstruction : EXCEPTION_ILLEGAL_INSTRUCTION;
    default: return EXCEPTION_ACCESS_VIOLATION;
    }
}

// Outside a frame the fault is someone else's: hand it to the handler that
// was there before us (a sanitizer's, say), or let the default action end
// the process.
void pass_on(int sig, siginfo_t *info, void *context) {
    for (size_t i = 0; i < sizeof kFaultSignals / sizeof kFaultSignals[0]; ++i) {
        if (kFaultSignals[i] != sig) continue;
        const struct sigaction &old = previous_actions[i];
        if ((old.sa_flags & SA_SIGINFO) && old.sa_sigaction) {
            old.sa_sigaction(sig, info, context);
            return;
        }
        if (old.sa_handler != SIG_DFL && old.sa_handler != SIG_IGN && old.sa_handler != nullptr) {
            old.sa_handler(sig);
            return;
        }
    }
    signal(sig, SIG_DFL);
    // A fault returns to the faulting instruction and strikes again under the
    // default action; a signal someone sent is sent once more.
    if (info->si_code <= 0) raise(sig);
}

void on_fault(int sig, siginfo_t *info, void *context) {
    if (!innermost) {
        const int saved_errno = errno;
        pass_on(sig, info, context);
        errno = saved_errno;
        return;
    }
    end_innermost_frame(exception_code(sig, info, context));
}

void install_handlers() {
    for (size_t i = 0; i < sizeof kFaultSignals / sizeof kFaultSignals[0]; ++i) {
        struct sigaction action {};
        action.sa_sigaction = on_fault;
        action.sa_flags = SA_SIGINFO | SA_ONSTACK;
        sigemptyset(&action.sa_mask);
        sigaction(kFaultSignals[i], &action, &previous_actions[i]);
    }
}

}  // namespace

extern "C" {

void QrvSehPush(QrvSehFrame *frame) {
    static std::once_flag installed;
    std::call_once(installed, install_handlers);
    alt_stack.ensure();
    frame->code = 0;
    frame->prev = innermost;
    innermost = frame;
}

// Frames end in the order they began; popping a frame that is not the
// innermost also drops the frames pushed after it.
void QrvSehPop(QrvSehFrame *frame) {
    for (QrvSehFrame *f = innermost; f; f = f->prev) {
        if (f == frame) {
            innermost = frame->prev;
            return;
        }
    }
}

void RaiseException(uint32_t code, uint32_t flags, uint32_t argumentCount, const uintptr_t *arguments) {
    (void)flags;
    (void)argumentCount;
    (void)arguments;
    if (!innermost) std::abort();
    end_innermost_frame(code);
}

}  // extern "C"
