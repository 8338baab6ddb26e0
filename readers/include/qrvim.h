/*
 * QRVIM, the toolkit's importers: turns a real file (a workbook, a word
 * processing document, delimited text, or the chunker's own text format)
 * into a QRVCH document, so that every export and every library operation
 * works on it as on any other document.
 *
 *     CHHandle h;
 *     char message[512];
 *     if (IMImportFile("budget.xlsx", NULL, &h, message, sizeof message) != 0) {
 *         fprintf(stderr, "%s\n", message);   // "budget.xlsx: xl/workbook.xml: line 3: ..."
 *         return 2;
 *     }
 *     if (message[0]) fprintf(stderr, "%s\n", message);   // warnings, one a line
 *     ...
 *     CHCloseDocument(h);
 *
 * Every function returns 0 or an IM_ERR_* code and never crashes on a broken
 * file.  On failure *pHandle is 0 and message holds one line that names the
 * file, the part of a package and the line where the fault is.  On success
 * message holds the warnings of a best-effort import, one a line ("warning:
 * ..."), then the notes on quirks of the file's producer that change nothing
 * in the document ("note: ..."), or "".
 * The message is cut to messageSize and always terminated (messageSize 0:
 * nothing is written).  The functions may run on many threads at once.
 */
#ifndef QRVIM_H
#define QRVIM_H

#include <qrvch.h>

QRV_BEGIN_DECLS

/* Formats.  IM_FORMAT_AUTO tells the format from the content, and from the
 * name where the content cannot (delimited text, the text format). */
enum {
    IM_FORMAT_AUTO = 0,
    IM_FORMAT_TEXT = 1, /* the chunker's text format (.qrvt) */
    IM_FORMAT_CSV = 2,  /* delimited text; the separator is sniffed */
    IM_FORMAT_TSV = 3,  /* tab-separated text */
    IM_FORMAT_XLSX = 4, /* Office Open XML workbook (.xlsx, .xlsm) */
    IM_FORMAT_DOCX = 5, /* Office Open XML document (.docx, .docm, .dotx) */
    IM_FORMAT_ODS = 6,  /* OpenDocument spreadsheet (.ods, flat .fods) */
    IM_FORMAT_ODT = 7,  /* OpenDocument text (.odt, flat .fodt) */
    IM_FORMAT_PPTX = 8, /* PowerPoint presentation (.pptx, .pptm, .ppsx, .potx) */
    IM_FORMAT_ODP = 9,  /* OpenDocument presentation (.odp, flat .fodp) */
    IM_FORMAT_RTF = 10, /* Rich Text Format (.rtf) */
    IM_FORMAT_DOC = 11, /* Word 97-2003 document (.doc, .dot) */
    IM_FORMAT_XLS = 12, /* Excel 97-2003 workbook, Excel 5/95, Excel 3/4 worksheet (.xls, .xlt) */
    IM_FORMAT_XLSB = 13, /* Excel binary workbook (.xlsb) */
    IM_FORMAT_COUNT
};

/* Result codes (all above the chunker's and the data-access library's). */
enum {
    IM_ERR_BAD_ARG = 0x3001,   /* a null pointer or an unknown format */
    IM_ERR_READ = 0x3002,      /* the file cannot be opened or read */
    IM_ERR_FORMAT = 0x3003,    /* the format cannot be told from the content */
    IM_ERR_BROKEN = 0x3004,    /* a damaged archive, a missing or malformed part */
    IM_ERR_ENCRYPTED = 0x3005, /* password-protected or encrypted */
    IM_ERR_LIMIT = 0x3006,     /* a bound on size, depth or count was passed */
    IM_ERR_NO_MEMORY = 0x3007,
    IM_ERR_UNSUPPORTED = 0x3008, /* a format this build does not read */
    IM_ERR_DOCUMENT = 0x3009     /* the chunker refused to build the document */
};

/* Bounds on what one import may take (0 in a field: its default).  They
 * keep hostile files (archive bombs, absurd nesting) from using up the
 * machine; docs/import.md states the defaults. */
typedef struct IMOptions {
    uint32_t StructSize;    /* sizeof(IMOptions) */
    uint32_t Format;        /* IM_FORMAT_*; IM_FORMAT_AUTO to tell it */
    uint64_t MaxPartBytes;  /* decompressed bytes of one part of a package (by default a part
                             * may take 64 times its compressed size where that is more;
                             * a bound set here is kept as it is) */
    uint64_t MaxTotalBytes; /* decompressed bytes of all parts together */
    uint32_t MaxItems;      /* items of the document being built */
    uint32_t MaxDepth;      /* element nesting of an XML part */
    uint32_t Flags;         /* IM_READ_*: what is read beyond the defaults, or left out */
} IMOptions;

/* IMOptions.Flags.  Read only where StructSize covers the field. */
enum {
    IM_READ_HIDDEN_SLIDES = 0x1, /* a presentation's hidden slides too */
    IM_READ_NO_PICTURES = 0x2    /* pictures are shown by name only: their bytes are not kept as the
                                    document's resources (CHGetResource) */
};

/* Imports a file.  options may be null (every default, format told from
 * the content). */
uint32_t IMImportFile(const char *path, const IMOptions *options, CHHandle *pHandle, char *message, size_t messageSize);

/* Imports a file held in memory; name (may be null) is used in messages and
 * to tell delimited text from its extension.  The bytes are not kept. */
uint32_t IMImportMemory(const void *data, size_t size, const char *name, const IMOptions *options, CHHandle *pHandle,
                        char *message, size_t messageSize);

/* The format of a file's content (and name), IM_FORMAT_AUTO when it cannot
 * be told.  Reads at most the first bytes and, for a package, its list of
 * parts; never fails on broken input. */
uint32_t IMDetectFormat(const void *data, size_t size, const char *name);

/* "xlsx", "csv", ...: the short name of a format, or null for none. */
const char *IMFormatName(uint32_t format);

/* The format of a short name ("xlsx", "ods", "text", ...; case does not
 * matter), or IM_FORMAT_AUTO for an unknown name. */
uint32_t IMFormatFromName(const char *name);

/* One entry of the table of formats the importers know, in the order
 * detection tries them.  Format is IM_FORMAT_AUTO for a format that is
 * recognised but not read: its files are refused with its description. */
typedef struct IMFormatEntry {
    const char *Name;        /* "xlsx" */
    const char *Description; /* "an Office Open XML workbook" */
    const char *Extensions;  /* "xlsx xlsm xltx xltm", separated by spaces */
    uint32_t Format;         /* IM_FORMAT_*, IM_FORMAT_AUTO: not read */
} IMFormatEntry;

/* The entry at index (0 up), or null past the last. */
const IMFormatEntry *IMFormatEntryAt(uint32_t index);

QRV_END_DECLS

#endif /* QRVIM_H */
