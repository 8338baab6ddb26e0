/*
 * The reference export filters: HTML and plain text.
 *
 * Each filter lives in its own library (libqrvhtml.so, libqrvtext.so) and
 * registers with the filter-access library under its output id; a host then
 * opens an export with that id as the first open value of EXOpenExport.
 */
#ifndef QRVFILTERS_H
#define QRVFILTERS_H

#include <qrvex/types.h>

QRV_BEGIN_DECLS

/* Output ids of the reference filters. */
enum {
    QRV_OUTPUT_HTML = 0x48544D4Cu, /* "HTML" */
    QRV_OUTPUT_TEXT = 0x54455854u  /* "TEXT" */
};

/* Bits of the filter option word (the third open value). */
enum {
    QRV_FILTER_NO_TOC = 0x1,      /* leave out the table of contents */
    QRV_FILTER_NO_NOTES = 0x2,    /* leave out the notes at the end */
    QRV_FILTER_NO_PROGRESS = 0x4  /* do not report progress to the host */
};

/* What a running filter passes to the host's callback through EXDoCallback
 * (first value; the second as described).  The host returns 0 to go on, or
 * QRV_CALLBACK_STOP to cancel the export (it then ends with FA_ERR_CANCELLED,
 * which EXRunExport hands back as 21). */
enum {
    QRV_CALLBACK_PROGRESS = 1, /* second value: percent of the document walked, 0 to 100 */
    QRV_CALLBACK_WARNING = 2,  /* second value: result code of a call that failed; the filter
                                  went on and writes what it could read */
    QRV_CALLBACK_STOP = 1
};

/* Register the filter with QRVFA; 0 or the FA_* code of FARegisterFilter. */
uint32_t QRVRegisterHtmlFilter(void);
uint32_t QRVRegisterTextFilter(void);

/* The system's error number (errno) of the last scratch file write that
 * failed on the calling thread, 0 for none; the call clears it.  An export
 * that fails with no error on its sink failed on a scratch file (in TMPDIR,
 * where large pages are held back while they are written). */
uint32_t QRVTakeScratchFileError(void);

QRV_END_DECLS

#endif /* QRVFILTERS_H */
