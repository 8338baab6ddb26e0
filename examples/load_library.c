/*
 * load_library: a host that loads the library at run time, the way an
 * existing host of the DLL does: LoadLibraryA("qrvex.dll"), GetProcAddress
 * by name, and calls through cdecl function pointers of its own (on Linux:
 * dlopen and dlsym).  It declares every function itself and includes no
 * header of the library.  Each call's result is checked; the exit status is
 * the number of results that differ.
 *
 *   load_library [library]      (default qrvex.dll, or libqrvex.so)
 */
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#ifdef _WIN32
#include <windows.h>
#define CALL __cdecl
#define DEFAULT_LIBRARY "qrvex.dll"
typedef HMODULE Library;
static Library open_library(const char *name) { return LoadLibraryA(name); }
static void *find(Library library, const char *name) { return (void *)GetProcAddress(library, name); }
static void close_library(Library library) { FreeLibrary(library); }
#else
#include <dlfcn.h>
#define CALL
#define DEFAULT_LIBRARY "libqrvex.so"
typedef void *Library;
static Library open_library(const char *name) { return dlopen(name, RTLD_NOW); }
static void *find(Library library, const char *name) { return dlsym(library, name); }
static void close_library(Library library) { dlclose(library); }
#endif

typedef uint16_t wchar16;
typedef uint16_t(CALL *NumeralFn)(wchar16 *buffer, uint16_t start, uint16_t size, int32_t value);
typedef void(CALL *DateFn)(uint32_t dayNumber, int32_t *day, int32_t *month, int32_t *year);
typedef uint32_t(CALL *WeekdayFn)(uint32_t dayNumber);
typedef void(CALL *TimeFn)(uint32_t seconds, uint32_t *hour, uint32_t *minute, uint32_t *second);
typedef uint32_t(CALL *NumToStringFn)(uint32_t number, char *buffer);
typedef int32_t(CALL *ConvertFn)(void *dst, uint32_t dstSize, const void *src, uint32_t srcSize);
typedef uint32_t(CALL *AllocateFn)(void **block, void **data, uint32_t size, uint32_t *held);
typedef void(CALL *FreeFn)(void **block, void **data, uint32_t *held);
typedef uint32_t(CALL *HandleFn)(uint32_t handle);
typedef uint32_t(CALL *CallbackFn)(uint32_t handle, uint32_t value1, uint32_t value2);

static int differences;

static void check(const char *what, long got, long expected) {
    printf("%-28s %ld\n", what, got);
    if (got != expected) {
        printf("  expected %ld\n", expected);
        ++differences;
    }
}

static void check_text(const char *what, const char *got, const char *expected) {
    printf("%-28s %s\n", what, got);
    if (strcmp(got, expected) != 0) {
        printf("  expected %s\n", expected);
        ++differences;
    }
}

/* Wide text to bytes, for texts that are ASCII. */
static const char *narrow(const wchar16 *wide, uint16_t length) {
    static char text[64];
    uint16_t i = 0;
    for (; i < length && i + 1 < (uint16_t)sizeof text; ++i) text[i] = (char)wide[i];
    text[i] = '\0';
    return text;
}

static void call_numerals(Library q) {
    wchar16 buffer[32];
    NumeralFn roman = (NumeralFn)find(q, "FUGenerateRomanNumeral");
    NumeralFn letter = (NumeralFn)find(q, "FUGenerateLetterNumeral");
    NumeralFn decimal = (NumeralFn)find(q, "FUGenerateDecimalNumeral");
    check_text("FUGenerateRomanNumeral", narrow(buffer, roman(buffer, 0, 32, 949)), "CMXLIX");
    check_text("FUGenerateLetterNumeral", narrow(buffer, letter(buffer, 0, 32, 28)), "AB");
    check_text("FUGenerateDecimalNumeral", narrow(buffer, decimal(buffer, 0, 32, 2024)), "2024");
}

static void call_dates(Library q) {
    DateFn j2g = (DateFn)find(q, "FUj2g");
    WeekdayFn weekday = (WeekdayFn)find(q, "FUWeekday");
    TimeFn seconds_to_time = (TimeFn)find(q, "FUConvertSecondsToTime");
    int32_t day, month, year;
    uint32_t hour, minute, second;
    char text[32];
    j2g(2460385, &day, &month, &year);
    snprintf(text, sizeof text, "%d-%02d-%02d", (int)year, (int)month, (int)day);
    check_text("FUj2g", text, "2024-03-15");
    check("FUWeekday", (long)weekday(2460385), 4); /* Monday is 0 */
    seconds_to_time(45296, &hour, &minute, &second);
    snprintf(text, sizeof text, "%02u:%02u:%02u", (unsigned)hour, (unsigned)minute, (unsigned)second);
    check_text("FUConvertSecondsToTime", text, "12:34:56");
}

static void call_text(Library q) {
    NumToStringFn num_to_string = (NumToStringFn)find(q, "FUNumToString");
    ConvertFn to_utf8 = (ConvertFn)find(q, "FUConvertUnicodeToUTF8");
    char text[32];
    const wchar16 euro[] = {0x20AC, 'x'};
    unsigned char utf8[8];
    num_to_string(54321, text);
    check_text("FUNumToString", text, "54321");
    check("FUConvertUnicodeToUTF8", (long)to_utf8(utf8, sizeof utf8, euro, sizeof euro), 4);
    check("  first bytes", (long)(utf8[0] << 16 | utf8[1] << 8 | utf8[2]), 0xE282AC);
}

/* A block of the library's memory; on Windows its handle is an HGLOBAL of
 * the process, which the host may use itself. */
static void call_memory(Library q) {
    AllocateFn allocate = (AllocateFn)find(q, "MUAllocateMemory");
    FreeFn release = (FreeFn)find(q, "MUFreeMemory");
    void *block = NULL, *data = NULL;
    uint32_t held = 0;
    check("MUAllocateMemory", (long)allocate(&block, &data, 100, &held), 0);
    check("  bytes held", (long)held, 100);
#ifdef _WIN32
    check("  GlobalSize of the handle", (long)GlobalSize(block), 108);
#endif
    release(&block, &data, &held);
    check("MUFreeMemory", (long)held, 0);
}

/* The export entry points on handles that do not exist: QRVDA's refusal
 * (0x2001) comes back from each. */
static void call_exports(Library q) {
    HandleFn run = (HandleFn)find(q, "EXRunExport");
    HandleFn close = (HandleFn)find(q, "EXCloseExport");
    CallbackFn callback = (CallbackFn)find(q, "EXDoCallback");
    check("EXRunExport", (long)run(12345), 0x2001);
    check("EXCloseExport", (long)close(12345), 0x2001);
    check("EXDoCallback", (long)callback(12345, 1, 2), 0x2001);
}

static const char *const kUsed[] = {
    "FUGenerateRomanNumeral",
    "FUGenerateLetterNumeral",
    "FUGenerateDecimalNumeral",
    "FUj2g",
    "FUWeekday",
    "FUConvertSecondsToTime",
    "FUNumToString",
    "FUConvertUnicodeToUTF8",
    "MUAllocateMemory",
    "MUFreeMemory",
    "EXRunExport",
    "EXCloseExport",
    "EXDoCallback",
};

int main(int argc, char **argv) {
    const char *name = argc > 1 ? argv[1] : DEFAULT_LIBRARY;
    Library q = open_library(name);
    if (!q) {
        fprintf(stderr, "load_library: cannot load %s\n", name);
        return 100;
    }
    for (size_t i = 0; i < sizeof kUsed / sizeof kUsed[0]; ++i) {
        if (!find(q, kUsed[i])) {
            fprintf(stderr, "load_library: %s has no %s\n", name, kUsed[i]);
            return 100;
        }
    }
    call_numerals(q);
    call_dates(q);
    call_text(q);
    call_memory(q);
    call_exports(q);
    close_library(q);
    printf("%u functions called through pointers, %d results differ\n", (unsigned)(sizeof kUsed / sizeof kUsed[0]),
           differences);
    return differences;
}
