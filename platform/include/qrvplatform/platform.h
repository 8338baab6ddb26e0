/*
 * qrvplatform: our stand-in for the Win32 and C-runtime pieces the export
 * library was written against.
 *
 *  - movable global memory with handles and lock counts (GlobalAlloc ...);
 *  - structured exceptions: an exception frame per call, per thread, that
 *    turns RaiseException and hardware faults into an exception code;
 *  - wsprintfA, _ecvt and _fpclass with their Windows behaviour;
 *  - DisableThreadLibraryCalls (a no-op here).
 *
 * Everything is thread-safe; exception frames are per thread.
 *
 * On Windows the system is the platform (qrvplatform/win32.h): KERNEL32's
 * global memory, RaiseException and DisableThreadLibraryCalls, the
 * runtime's _fpclass, and x86 exception registration records for the
 * frames.  Our _ecvt and wsprintfA stay, because the system's print other
 * texts.
 */
#ifndef QRVPLATFORM_PLATFORM_H
#define QRVPLATFORM_PLATFORM_H

#include <stddef.h>
#include <stdint.h>

#ifdef _WIN32
#include <qrvplatform/win32.h>
#else
#include <setjmp.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* --- Movable global memory ------------------------------------------------- */

#ifndef _WIN32
typedef void *HGLOBAL;

#define GMEM_FIXED 0x0000u
#define GMEM_MOVEABLE 0x0002u
#define GMEM_ZEROINIT 0x0040u

/* A handle names a block until GlobalFree; it stays valid across
 * reallocation.  Locks nest; a locked block never moves.  An unlocked block
 * moves on every reallocation when the process runs with moving on (always in
 * test builds, see QrvGlobalSetMoveOnRealloc), so stale pointers are caught.
 * Unknown or freed handles are refused (0 / NULL results), never a crash. */
HGLOBAL GlobalAlloc(uint32_t flags, size_t bytes);
HGLOBAL GlobalReAlloc(HGLOBAL h, size_t bytes, uint32_t flags);
void *GlobalLock(HGLOBAL h);
int GlobalUnlock(HGLOBAL h);   /* non-zero while the block stays locked */
HGLOBAL GlobalFree(HGLOBAL h); /* NULL on success, h on failure */
size_t GlobalSize(HGLOBAL h);  /* 0 for an unknown handle */
uint32_t GlobalLockCount(HGLOBAL h);
#endif

/* Test hooks: fail the n-th next allocation or reallocation (1 = the next
 * one; 0 switches failing off), and count blocks alive in the process. */
void QrvGlobalFailAfter(uint32_t n);
uint32_t QrvGlobalAllocationCount(void); /* allocations + reallocations so far */
size_t QrvGlobalLiveBlocks(void);
/* Moving on or off for the whole process; gives the previous setting. */
int QrvGlobalSetMoveOnRealloc(int on);

/* --- Structured exceptions ------------------------------------------------- */

#ifndef _WIN32

#define EXCEPTION_DATATYPE_MISALIGNMENT 0x80000002u
#define EXCEPTION_ACCESS_VIOLATION 0xC0000005u
#define EXCEPTION_ILLEGAL_INSTRUCTION 0xC000001Du
#define EXCEPTION_FLT_DIVIDE_BY_ZERO 0xC000008Eu
#define EXCEPTION_FLT_INVALID_OPERATION 0xC0000090u
#define EXCEPTION_FLT_OVERFLOW 0xC0000091u
#define EXCEPTION_INT_DIVIDE_BY_ZERO 0xC0000094u
#define EXCEPTION_INT_OVERFLOW 0xC0000095u
#define EXCEPTION_IN_PAGE_ERROR 0xC0000006u
#define EXCEPTION_STACK_OVERFLOW 0xC00000FDu

/* One exception frame.  Use it through QRV_SEH_TRY / QRV_SEH_EXCEPT:
 *
 *     QrvSehFrame frame;
 *     if (QRV_SEH_TRY(frame)) {
 *         ... body ...
 *         QrvSehPop(&frame);
 *     } else {
 *         code = frame.code;   // the frame is already gone
 *     }
 *
 * A RaiseException or a fault (SIGSEGV, SIGBUS, SIGFPE, SIGILL) inside the
 * body jumps back with the frame popped and frame.code set.  Outside any
 * frame a fault behaves as it always does. */
typedef struct QrvSehFrame {
    sigjmp_buf jump;
    struct QrvSehFrame *prev;
    uint32_t code;
} QrvSehFrame;

void QrvSehPush(QrvSehFrame *frame);
void QrvSehPop(QrvSehFrame *frame);

#define QRV_SEH_TRY(frame) (sigsetjmp((frame).jump, 1) == 0 ? (QrvSehPush(&(frame)), 1) : 0)

/* Raises a structured exception: the innermost frame of this thread ends
 * with code.  Without a frame the process aborts, as an unhandled exception
 * does. */
void RaiseException(uint32_t code, uint32_t flags, uint32_t argumentCount, const uintptr_t *arguments);
#endif

/* --- C runtime and USER32 pieces ------------------------------------------- */

#ifndef QRV_WIN32_SYSTEM_FORMATTERS
/* wsprintfA: %d %i %u %x %X %c %s %% with flags '-', '0', '#', width,
 * precision ("%2.2i", "%.2i", "%4.4i") and the prefixes 'l' and 'h'; integer
 * arguments are 32-bit.  At most 1024 bytes (with the terminator) are
 * written; the result counts the characters before the terminator. */
int wsprintfA(char *buffer, const char *format, ...);

/* _ecvt: the first ndigits significant digits of value, correctly rounded
 * from its exact binary value (ndigits up to 349, more are zeros), the
 * decimal exponent and the sign.  The buffer is per thread and lives until
 * the thread's next _ecvt call. */
char *_ecvt(double value, int ndigits, int *decpt, int *sign);
#endif

#ifndef _WIN32
#define _FPCLASS_SNAN 0x0001
#define _FPCLASS_QNAN 0x0002
#define _FPCLASS_NINF 0x0004
#define _FPCLASS_NN 0x0008
#define _FPCLASS_ND 0x0010
#define _FPCLASS_NZ 0x0020
#define _FPCLASS_PZ 0x0040
#define _FPCLASS_PD 0x0080
#define _FPCLASS_PN 0x0100
#define _FPCLASS_PINF 0x0200
int _fpclass(double value);

int DisableThreadLibraryCalls(void *module);
#endif

#ifdef __cplusplus
}
#endif

#endif /* QRVPLATFORM_PLATFORM_H */
