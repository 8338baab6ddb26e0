/** @file
 *
 * QRVEX public types shared by every family of exports.
 *
 * All headers of include/qrvex/ are plain C (C11) so that export filters
 * written in C can include them.  Every exported function uses the platform's
 * C calling convention (cdecl on 32-bit x86).
 *
 * Record layouts.  In a 32-bit build every record is byte for byte the wire
 * layout: 32-bit fields, no hidden padding.  In a 64-bit build only fields
 * that hold a pointer or a memory block handle widen to 8 bytes (and take
 * their natural 8-byte alignment); every other field keeps its width and its
 * order.  Chunker handles (CHHandle) and item ids stay 32-bit everywhere.
 * Each header checks its layouts with QRV_LAYOUT_ASSERT for both builds.
 */
#ifndef QRVEX_TYPES_H
#define QRVEX_TYPES_H

#include <stddef.h>
#include <stdint.h>

/** @cond QRV_INTERNAL_MACROS */
#ifdef __cplusplus
#define QRV_EXTERN_C extern "C"
#define QRV_BEGIN_DECLS extern "C" {
#define QRV_END_DECLS }
#else
#define QRV_EXTERN_C
#define QRV_BEGIN_DECLS
#define QRV_END_DECLS
#endif

#if defined(_WIN32)
/** qrvex.dll exports by its module-definition file; the convention is
 * stated so that a host compiled with another default still calls right. */
#define QRVAPI __cdecl
#elif defined(QRVEX_BUILDING_LIBRARY)
#define QRVAPI __attribute__((visibility("default")))
#else
#define QRVAPI
#endif

#ifdef __cplusplus
#define QRV_LAYOUT_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define QRV_LAYOUT_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif
/** @endcond */

/** True in a build with 32-bit pointers (the exact wire layouts). */
#define QRV_PTR32 (UINTPTR_MAX == 0xFFFFFFFFu)

/** A 16-bit character of wide text; wide text ends with a 16-bit zero. */
typedef uint16_t QRVWCHAR;

/** The chunker's handle of the document being exported (always 32-bit). */
typedef uint32_t CHHandle;

/** A store code of the chunker (second argument of every CH call). */
typedef uint32_t CHStore;

/** Item id: chunk number in the high 16 bits, place in the chunk in the low
 * 16 bits.  CH_NO_ITEM stands for "no item". */
typedef uint32_t CHItemId;
#define CH_NO_ITEM ((CHItemId)0xFFFFFFFFu) /**< "no item": what searches give when they find none */

/** Handle of a movable global memory block (the platform's HGLOBAL). */
typedef void *QRVHGLOBAL;

/** Result codes of the library's own checks.  0 is success; codes of the
 * chunker and of nested operations are handed back unchanged where an
 * operation says so. */
enum {
    QRV_OK = 0,                   /**< success */
    QRV_E_NO_ROWS = 9,            /**< a table without rows */
    QRV_E_NO_MEMORY = 13,         /**< no memory to be had */
    QRV_E_BAD_ARG = 15,           /**< a record or argument of the wrong kind or range */
    QRV_E_INCONSISTENT = 18,      /**< a missing or inconsistent record */
    QRV_E_BAD_STYLE = 25,         /**< a style's definition cannot be read */
    QRV_E_NOT_FOUND = 37,         /**< not found, a null record, or a refused operation */
    QRV_E_TOO_SMALL = 46,         /**< an output buffer too small */
    QRV_E_NO_CALLBACK = 50,       /**< no callback function */
    QRV_E_NO_COUNTER_VALUE = 1577 /**< a counter level holds no value at that position */
};

#endif /* QRVEX_TYPES_H */
