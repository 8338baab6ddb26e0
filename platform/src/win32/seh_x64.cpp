// Exception frames on x64 Windows.  x64 finds its exception handlers in
// tables of the code, so a frame cannot link itself into a chain as on x86.
// Instead each thread keeps its own list of frames, and one vectored
// handler, which the system calls before any frame-based handler, ends the
// innermost frame of the faulting thread: it records the code and resumes
// the thread in a trampoline that jumps back to QRV_SEH_TRY.  No handler
// inside the frame sees the exception or an unwind.
//
// Exceptions that are not failures pass through: C++ throws (GCC's SEH
// unwinder raises them, and a catch inside the body must still see them)
// and the notices of OutputDebugString and thread naming.
#include <qrvplatform/platform.h>

#if defined(__x86_64__)

#include <malloc.h>

#include <mutex>

namespace {

thread_local QrvSehFrame *innermost = nullptr;

bool passes_through(DWORD code) {
    switch (code) {
    case 0x20474343:  // a C++ throw
    case 0x21474343:  // its unwind
    case 0x22474343:  // a forced unwind
    case 0x40010006:  // OutputDebugStringA
    case 0x4001000A:  // OutputDebugStringW
    case 0x406D1388:  // a thread's name for the debugger
        return true;
    default: return false;
    }
}

[[noreturn]] void jump_back(QrvSehFrame *frame) {
    innermost = frame->prev;
    __builtin_longjmp(frame->jump, 1);
}

// The thread resumes in jump_back as if called from where QRV_SEH_TRY saved
// its stack: below that point every frame is dead, and the pages there are
// committed, even after a stack overflow used up the rest.
void resume_in_jump_back(CONTEXT *context, QrvSehFrame *frame) {
    const auto saved_sp = reinterpret_cast<uintptr_t>(frame->jump[2]);
    context->Rsp = ((saved_sp - 512) & ~uintptr_t{15}) - 8;
    context->Rip = reinterpret_cast<DWORD64>(&jump_back);
    context->Rcx = reinterpret_cast<DWORD64>(frame);
}

LONG CALLBACK take_exception(EXCEPTION_POINTERS *pointers) {
    QrvSehFrame *frame = innermost;
    const DWORD code = pointers->ExceptionRecord->ExceptionCode;
    if (!frame || passes_through(code)) return EXCEPTION_CONTINUE_SEARCH;
    frame->code = code;
    resume_in_jump_back(pointers->ContextRecord, frame);
    return EXCEPTION_CONTINUE_EXECUTION;
}

void install_handler_once() {
    static std::once_flag installed;
    std::call_once(installed, [] { AddVectoredExceptionHandler(1, &take_exception); });
}

}  // namespace

extern "C" {

void QrvSehPush(QrvSehFrame *frame) {
    install_handler_once();
    frame->code = 0;
    frame->handler = nullptr;
    frame->prev = innermost;
    innermost = frame;
}

// Frames end in the order they began; popping a frame that is not the
// innermost also drops the frames that began inside it.
void QrvSehPop(QrvSehFrame *frame) {
    for (QrvSehFrame *f = innermost; f; f = f->prev) {
        if (f == frame) {
            innermost = frame->prev;
            return;
        }
    }
}

// A stack overflow used up the guard page below the stack; without a new
// one the next overflow would end the process.
int QrvSehCaught(QrvSehFrame *frame) {
    if (frame->code == EXCEPTION_STACK_OVERFLOW) _resetstkoflw();
    return 0;
}

}  // extern "C"

#endif  // __x86_64__
