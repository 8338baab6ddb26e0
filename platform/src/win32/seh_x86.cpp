// Exception frames on x86 Windows.  A frame is an exception registration
// record, linked at the head of the thread's chain (FS:[0]) while its body
// runs.  For an exception inside the body the system calls our handler,
// which takes every exception: it records the code, has RtlUnwind unlink
// the records inside the frame (their handlers see the unwind), unlinks the
// frame itself and jumps back to QRV_SEH_TRY.
#include <qrvplatform/platform.h>

#if defined(__i386__)

#include <malloc.h>

namespace {

constexpr DWORD kUnwindFlags = 0x2 | 0x4;  // unwinding, exit unwind
QrvSehFrame *const kChainEnd = reinterpret_cast<QrvSehFrame *>(~uintptr_t{0});

QrvSehFrame *chain_head() {
    QrvSehFrame *head;
    __asm__ __volatile__("movl %%fs:0, %0" : "=r"(head));
    return head;
}

void set_chain_head(QrvSehFrame *head) { __asm__ __volatile__("movl %0, %%fs:0" : : "r"(head) : "memory"); }

// RtlUnwind keeps ebp, but not on every Windows ebx, esi and edi: the call
// is made where the compiler keeps nothing in them.
void unwind_to(QrvSehFrame *frame, EXCEPTION_RECORD *record) {
    void(WINAPI * unwind)(PVOID, PVOID, PEXCEPTION_RECORD, PVOID) = RtlUnwind;
    __asm__ __volatile__(
        "pushl $0\n\t"
        "pushl %1\n\t"
        "pushl $0\n\t"
        "pushl %0\n\t"
        "call *%2\n\t"
        : "+a"(frame), "+c"(record), "+d"(unwind)
        :
        : "ebx", "esi", "edi", "memory", "cc");
}

// The frame's handler: takes every exception.
EXCEPTION_DISPOSITION __cdecl take_exception(EXCEPTION_RECORD *record, void *establisher, CONTEXT *, void *) {
    if (record->ExceptionFlags & kUnwindFlags) return ExceptionContinueSearch;
    auto *frame = static_cast<QrvSehFrame *>(establisher);
    frame->code = record->ExceptionCode;
    unwind_to(frame, record);
    set_chain_head(frame->prev);
    __builtin_longjmp(frame->jump, 1);
}

}  // namespace

extern "C" {

void QrvSehPush(QrvSehFrame *frame) {
    frame->code = 0;
    frame->handler = reinterpret_cast<void *>(&take_exception);
    frame->prev = chain_head();
    set_chain_head(frame);
}

// Frames end in the order they began; popping a frame that is not the
// innermost also drops the records linked after it.
void QrvSehPop(QrvSehFrame *frame) {
    for (QrvSehFrame *f = chain_head(); f && f != kChainEnd; f = f->prev) {
        if (f == frame) {
            set_chain_head(frame->prev);
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

#endif  // __i386__
