/*
 * qrvconvert.h - one call converts a document.
 *
 * A file or a buffer in any format read (told from its content, or named)
 * becomes a file or a buffer in an output format named "html", "text",
 * "markdown", "csv" or "json".  Every function may be called from many
 * threads at once; each call holds its own records.  Nothing the library
 * does throws or aborts across this boundary: every failure is a result
 * code and a one-line message that names the file and the part that failed.
 *
 *     char message[512];
 *     char *page = NULL;
 *     size_t length = 0;
 *     if (QRVConvertFileToMemory("report.docx", "html", NULL, &page, &length,
 *                                message, sizeof message) != QRVC_OK)
 *         fprintf(stderr, "%s\n", message);
 *     ...
 *     QRVConvertFree(page);
 */
#ifndef QRVCONVERT_H
#define QRVCONVERT_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#if defined(QRVCONVERT_BUILDING)
#define QRVCAPI __declspec(dllexport)
#else
#define QRVCAPI __declspec(dllimport)
#endif
#else
#define QRVCAPI __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes: what failed. */
enum {
    QRVC_OK = 0,
    QRVC_ERR_ARGUMENT = 1,      /* a null argument, or options with a StructSize too small */
    QRVC_ERR_INPUT_FORMAT = 2,  /* InputFormat names no format read */
    QRVC_ERR_OUTPUT_FORMAT = 3, /* the output format names no format written */
    QRVC_ERR_INPUT = 4,         /* the input cannot be read, or is broken */
    QRVC_ERR_LOCALE = 5,        /* the locale file cannot be read, or has a mistake */
    QRVC_ERR_SETUP = 6,         /* the export options or the document's model cannot be made */
    QRVC_ERR_OUTPUT = 7,        /* the output cannot be written */
    QRVC_ERR_EXPORT = 8,        /* the export filter failed */
    QRVC_ERR_MEMORY = 9,        /* no memory for the result */
    QRVC_ERR_INTERNAL = 10      /* an unexpected failure inside the library */
};

/* How to convert; a NULL options pointer takes every default.  Set
 * StructSize to sizeof(QRVConvertOptions): later versions add fields at the
 * end and read only those the caller's size covers. */
typedef struct QRVConvertOptions {
    uint32_t StructSize;
    /* The input's format by name ("docx", "xlsx", ...); NULL or "" tells it
     * from the content. */
    const char *InputFormat;
    /* A file of number and date conventions (KEY=VALUE lines); NULL for the
     * en-US defaults. */
    const char *LocaleFile;
    /* QRV_FILTER_* bits of qrvfilters.h, as qrvex-export's options set them.
     * Pictures are shown by their description unless QRV_FILTER_EMBED_PICTURES
     * puts them in the page. */
    uint32_t OptionWord;
    /* The page's title where the document gives none; NULL takes the input
     * file's name without its folders and extension (none for a buffer). */
    const char *TitleName;
    /* IM_READ_* bits of qrvim.h: what the importer reads beyond the
     * defaults (IM_READ_HIDDEN_SLIDES: a presentation's hidden slides). */
    uint32_t ReadFlags;
} QRVConvertOptions;

/* Converts the file input into the file output, written in the format
 * named format.  The output appears whole or not at all: a failure leaves
 * whatever stood at its place.  message receives a one-line, NUL-terminated
 * reason on failure ("" on success); it may be NULL when messageSize is 0.
 * Returns QRVC_OK or a QRVC_ERR_* code. */
QRVCAPI int QRVConvertFileToFile(const char *input, const char *output, const char *format,
                                 const QRVConvertOptions *options, char *message, size_t messageSize);

/* Converts the file input into a buffer the library allocates: *pData
 * receives it (NUL-terminated, the terminator not counted in *pLength),
 * to be released with QRVConvertFree.  On failure *pData is NULL. */
QRVCAPI int QRVConvertFileToMemory(const char *input, const char *format, const QRVConvertOptions *options,
                                   char **pData, size_t *pLength, char *message, size_t messageSize);

/* As QRVConvertFileToFile, from size bytes at data; name stands for the
 * input in messages (NULL: "memory input"). */
QRVCAPI int QRVConvertMemoryToFile(const void *data, size_t size, const char *name, const char *output,
                                   const char *format, const QRVConvertOptions *options, char *message,
                                   size_t messageSize);

/* As QRVConvertFileToMemory, from size bytes at data. */
QRVCAPI int QRVConvertMemoryToMemory(const void *data, size_t size, const char *name, const char *format,
                                     const QRVConvertOptions *options, char **pData, size_t *pLength, char *message,
                                     size_t messageSize);

/* Releases a buffer a conversion returned; NULL is ignored. */
QRVCAPI void QRVConvertFree(char *data);

#ifdef __cplusplus
}
#endif

#endif /* QRVCONVERT_H */
