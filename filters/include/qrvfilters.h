/*
 * The reference export filters: HTML, plain text, Markdown, CSV and JSON.
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
    QRV_OUTPUT_HTML = 0x48544D4Cu,     /* "HTML" */
    QRV_OUTPUT_TEXT = 0x54455854u,     /* "TEXT" */
    QRV_OUTPUT_MARKDOWN = 0x4D444F57u, /* "MDOW" */
    QRV_OUTPUT_CSV = 0x43535620u,      /* "CSV " */
    QRV_OUTPUT_JSON = 0x4A534F4Eu      /* "JSON" */
};

/* Bits of the filter option word (the third open value). */
enum {
    QRV_FILTER_NO_TOC = 0x1,          /* leave out the table of contents (the default; outweighs QRV_FILTER_TOC) */
    QRV_FILTER_NO_NOTES = 0x2,        /* leave out the notes at the end */
    QRV_FILTER_NO_PROGRESS = 0x4,     /* do not report progress to the host */
    QRV_FILTER_CSV_BOM = 0x8,         /* CSV: a byte-order mark first */
    QRV_FILTER_CSV_LIST = 0x10,       /* CSV: instead of values, a line for each sheet and table of the
                                         document: "sheet", a tab and its name, or "table" and a tab */
    QRV_FILTER_CSV_VALUES = 0x20,     /* CSV: a sheet's raw values (numbers in full precision, TRUE and
                                         FALSE) instead of its texts as shown */
    QRV_FILTER_TOC = 0x40,            /* HTML: a table of contents after the document's title */
    QRV_FILTER_EMBED_PICTURES = 0x80, /* pictures inside the page as data: addresses (outweighs
                                         QRV_OPTION_PICTURE_FOLDER) */
    /* CSV: the separator (one byte; 0 for a comma) in bits 8 to 15, and in
     * bits 16 to 31 which sheet or table of the document is written (its
     * number, the document's sheets and tables counted together from 1;
     * 0 for the first). */
    QRV_FILTER_CSV_SEPARATOR_SHIFT = 8,
    QRV_FILTER_CSV_PART_SHIFT = 16
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

/* An option a host may set on the export's options (DASetOption): the
 * document's name (UTF-8, no terminating zero needed), which titles the page
 * when the document's properties give no title.  A host gives the file's
 * name without its folders and extension ("report" for a/b/report.docx). */
#define QRV_OPTION_DOCUMENT_NAME 0x51524E4Du /* "QRNM" */
/* An option a host may set on the export's options: the folder (UTF-8, as
 * the page refers to it: relative to the page, "/" between steps) where the
 * host writes the document's pictures, each under its resource's name
 * (CHGetResourceAt), once the export succeeded.  Pages then refer to
 * "FOLDER/NAME".  Without it, and without QRV_FILTER_EMBED_PICTURES,
 * pictures are shown by their description only. */
#define QRV_OPTION_PICTURE_FOLDER 0x51525046u /* "QRPF" */

/* Register the filter with QRVFA; 0 or the FA_* code of FARegisterFilter. */
uint32_t QRVRegisterHtmlFilter(void);
uint32_t QRVRegisterTextFilter(void);
uint32_t QRVRegisterMarkdownFilter(void);
uint32_t QRVRegisterCsvFilter(void);
uint32_t QRVRegisterJsonFilter(void);

/* The system's error number (errno) of the last scratch file write that
 * failed on the calling thread, 0 for none; the call clears it.  An export
 * that fails with no error on its sink failed on a scratch file (in TMPDIR,
 * where large pages are held back while they are written). */
uint32_t QRVTakeScratchFileError(void);

QRV_END_DECLS

#endif /* QRVFILTERS_H */
