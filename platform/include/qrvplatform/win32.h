/*
 * The platform on Windows (x86 and x64), included by qrvplatform/platform.h.
 *
 * Global memory, RaiseException and DisableThreadLibraryCalls are KERNEL32's
 * own, so blocks and handles are real HGLOBALs that a host can share; the
 * exception codes and _fpclass are the system's too.  What stays ours:
 *
 *  - the exception frames of the EX exports (GCC has no __try/__except):
 *    x86 exception registration records, or on x64 a vectored handler;
 *  - _ecvt and wsprintfA, under the names QrvEcvt and QrvWsprintfA: the
 *    runtime's _ecvt stops at 72 digits and USER32's wsprintfA differs in
 *    precision, '#' and 'h' (docs/windows.md lists where).  Code keeps
 *    calling them _ecvt and wsprintfA.  Built with
 *    QRV_WIN32_SYSTEM_FORMATTERS, the system's are used instead, which is
 *    how the tests show the difference.
 */
#ifndef QRVPLATFORM_WIN32_H
#define QRVPLATFORM_WIN32_H

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <float.h>
#include <stdint.h>
#include <stdlib.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The lock count of a block (0 for a freed or unknown handle). */
static inline uint32_t GlobalLockCount(HGLOBAL h) { return GlobalFlags(h) & GMEM_LOCKCOUNT; }

/* One exception frame, on the stack of the function that runs QRV_SEH_TRY
 * and active while the body runs.  Whatever exception the body raises or
 * faults with ends the innermost frame of its thread: the frame records the
 * code and jumps back, so QRV_SEH_TRY gives 0 with frame.code set and the
 * frame gone.  Use it as
 *
 *     QrvSehFrame frame;
 *     if (QRV_SEH_TRY(frame)) {
 *         ... body ...
 *         QrvSehPop(&frame);
 *     } else {
 *         code = frame.code;
 *     }
 *
 * C++ destructors between the fault and the frame do not run.
 *
 * On x86 the frame is an exception registration record linked at the head
 * of the thread's chain (FS:[0]); its handler unwinds the records inside it
 * (RtlUnwind) before the jump.  x64 has no such chain (its handlers come
 * from tables of the code), so there the frames are a per-thread list that
 * a vectored handler reads first: it takes every exception but C++ throws
 * and the debugger's notices, and resumes the thread where it jumps back. */
typedef struct QrvSehFrame {
    struct QrvSehFrame *prev; /* the enclosing frame (on x86 the registration */
    void *handler;            /* record: next record, handler) */
    void *jump[5];            /* __builtin_setjmp's buffer */
    uint32_t code;
} QrvSehFrame;

void QrvSehPush(QrvSehFrame *frame);
void QrvSehPop(QrvSehFrame *frame);
/* After a jump back: restores the stack's guard page when a stack overflow
 * used it up, and gives 0. */
int QrvSehCaught(QrvSehFrame *frame);

#define QRV_SEH_TRY(frame) (__builtin_setjmp((frame).jump) == 0 ? (QrvSehPush(&(frame)), 1) : QrvSehCaught(&(frame)))

#ifdef __cplusplus
}
#endif

#ifndef QRV_WIN32_SYSTEM_FORMATTERS
/* After the system's headers, so their declarations keep their names. */
#define _ecvt QrvEcvt
#define wsprintfA QrvWsprintfA
#endif

#endif /* QRVPLATFORM_WIN32_H */
