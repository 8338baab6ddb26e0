/*
 * QRVFA, the toolkit's filter-access library (stand-in): export filters
 * register here, and an export opened through it runs the filter chosen by
 * the output id.
 *
 * The four open values that EXOpenExport hands on, as this QRVFA reads them:
 *   first  (EXOpenExport argument 2): output id, selects the filter;
 *   second (argument 3): output sink handle (FACreateFileSink, FACreateCallbackSink,
 *                        FACreateMemorySink);
 *   third  (argument 4): a filter option word, passed to the filter unchanged;
 *   fourth (argument 6): reserved, 0.
 *
 * Results of FAOpenExport, FARunExport and FACloseExport are 0..8 codes (the
 * FA_* enum) or a filter's own code above 8, passed on unchanged.
 */
#ifndef QRVFA_H
#define QRVFA_H

#include <qrvex/types.h>

QRV_BEGIN_DECLS

enum {
    FA_OK = 0,
    FA_ERR_NO_FILTER = 1,     /* no filter for the output id */
    FA_ERR_BAD_SINK = 2,      /* the output sink cannot be written */
    FA_ERR_BAD_DOCUMENT = 3,  /* the document handle is not open */
    FA_ERR_FILTER_FAILED = 4, /* the filter failed without a code of its own */
    FA_ERR_CANCELLED = 5,     /* the host's callback asked to stop */
    FA_ERR_BAD_STATE = 6,     /* run before open, close twice, ... */
    FA_ERR_NO_MEMORY = 7,
    FA_ERR_BAD_HANDLE = 8 /* no export has this handle */
};

/* What a running filter gets from QRVFA. */
typedef struct FAExportContext {
    uint32_t hExport;    /* the export handle: pass it to EXDoCallback */
    CHHandle chunker;    /* the document being exported */
    uint32_t hOptions;   /* pass to DAGetOption and the FU formatters */
    uint32_t optionWord; /* the third open value */
    uint32_t hSink;      /* where the output goes: FAWrite */
    void *filterState;   /* the filter's own, from its open function */
} FAExportContext;

/* An export filter.  open may be null; run writes the whole output with
 * FAWrite; close may be null and releases filterState.  Each returns 0 or an
 * FA_* code (or a code of its own above 8). */
typedef struct FAFilter {
    const char *name; /* "html", "text", ... */
    uint32_t outputId;
    uint32_t (*open)(FAExportContext *ctx);
    uint32_t (*run)(FAExportContext *ctx);
    void (*close)(FAExportContext *ctx);
} FAFilter;

/* --- What the export library imports -------------------------------------- */

uint32_t FAOpenExport(uint32_t secondOpenValue, uint32_t thirdOpenValue, uint32_t firstOpenValue, uint32_t hModuleData,
                      uint32_t fourthOpenValue, uint32_t *pFAExportHandle, uint32_t *pStatus);
uint32_t FARunExport(uint32_t hFAExport);
uint32_t FACloseExport(uint32_t hFAExport);

/* --- Filters and hosts ----------------------------------------------------- */

/* Registers a filter (the record must outlive its registration).  A second
 * filter with the same output id replaces the first. */
uint32_t FARegisterFilter(const FAFilter *filter);
uint32_t FAUnregisterFilter(uint32_t outputId);
const FAFilter *FAFindFilter(uint32_t outputId);

/* --- Output sinks ----------------------------------------------------------
 * A memory sink keeps everything written to it.  A file sink and a callback
 * sink pass the output on as it comes, through a buffer of their own of
 * FA_SINK_BUFFER_BYTES, so a filter may write pieces of any size and a host
 * never holds more than that.  The first write that fails fails the sink
 * for good: that FAWrite and every later one return FA_ERR_BAD_SINK without
 * writing anything, as do FAFlushSink and FADestroySink, and FAGetSinkError
 * tells why.  Sink 0 drops its output. */
#define FA_SINK_BUFFER_BYTES 65536u

/* The host's writer behind a callback sink: writes length bytes (never 0)
 * and returns 0, or a code of its own other than 0 when it could not. */
typedef uint32_t (*FASinkWriter)(void *context, const void *data, size_t length);

/* Creates (or empties) the file at path. */
uint32_t FACreateFileSink(const char *path, uint32_t *phSink);
uint32_t FACreateCallbackSink(FASinkWriter writer, void *context, uint32_t *phSink);
uint32_t FACreateMemorySink(uint32_t *phSink);
uint32_t FAGetMemorySinkData(uint32_t hSink, const char **pData, size_t *pLength);
/* Passes on what the sink's buffer holds. */
uint32_t FAFlushSink(uint32_t hSink);
/* Why the sink failed: *pError 0 while it has not, else the system's error
 * number (errno) of a file sink's write, or the code the host's writer
 * returned. */
uint32_t FAGetSinkError(uint32_t hSink, uint32_t *pError);
/* Flushes and releases the sink (a file sink closes its file);
 * FA_ERR_BAD_SINK when it failed then or before. */
uint32_t FADestroySink(uint32_t hSink);
uint32_t FAWrite(uint32_t hSink, const void *data, size_t length);

QRV_END_DECLS

#endif /* QRVFA_H */
