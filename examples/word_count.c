/*
 * word_count: an export filter written in C against the public headers, and
 * a small host that runs it.  It counts the paragraphs, words and tables of a
 * document and writes the counts, the largest table's shape and the first
 * paragraph's text (UTF-8) as its output.
 *
 *   word_count [document.qrvt]
 *
 * Without an argument it exports a short document given below in the
 * chunker's text format.  Sizes given to the converters are in bytes.
 */
#include <qrvex/qrvex.h>
#include <qrvch.h>
#include <qrvda.h>
#include <qrvfa.h>

#include <stdio.h>
#include <string.h>

#define WORD_COUNT_OUTPUT_ID 0x7701u

static const char kSample[] =
    "chunk-size 8\n"
    "text \"Counting words with QRVEX\"\n"
    "break PARAGRAPH\n"
    "table-begin\n"
    "text \"one cell\"\n"
    "break CELL\n"
    "text \"two\"\n"
    "break CELL\n"
    "break ROW\n"
    "table-end\n"
    "text \"and a last paragraph\"\n"
    "break PARAGRAPH\n";

typedef struct Counts {
    unsigned paragraphs, words, tables, widest_table, text_units;
    int in_word;
    char first_paragraph[256];
    size_t first_length;
} Counts;

/* Counts the words of a text run and keeps the first paragraph's text. */
static void count_text(Counts *c, CHHandle h, const CHItem *item) {
    for (uint32_t i = 0; i < item->data1; ++i) {
        QRVWCHAR ch = 0;
        if (CHGetItem(h, CH_STORE_TEXT, item->value + i, &ch, NULL) != 0) return;
        int space = ch == ' ' || ch == '\t' || ch == 0xA0;
        if (!space && !c->in_word) ++c->words;
        c->in_word = !space;
        ++c->text_units;
        if (c->paragraphs == 0 && c->first_length + 4 < sizeof c->first_paragraph) {
            int32_t n = FUConvertUnicodeToUTF8(c->first_paragraph + c->first_length,
                                               (uint32_t)(sizeof c->first_paragraph - c->first_length), &ch, sizeof ch);
            if (n > 0) c->first_length += (size_t)n;
        }
    }
}

/* A table's shape comes from the library's table walk. */
static void count_table(Counts *c, CHHandle h, uint32_t begin_id) {
    CUTableInfo info;
    memset(&info, 0, sizeof info);
    if (CUGetTableInfo(begin_id, &info, h) == 0) {
        ++c->tables;
        if (info.MaxCells > c->widest_table) c->widest_table = info.MaxCells;
    }
    CUFreeTableInfo(&info);
}

static void count_item(Counts *c, CHHandle h, uint32_t id, const CHItem *item) {
    switch (item->type) {
    case CH_ITEM_TEXT: count_text(c, h, item); break;
    case CH_ITEM_TABLE_BEGIN: count_table(c, h, id); break;
    case CH_ITEM_BREAK:
        c->in_word = 0;
        if (item->value == CH_BREAK_PARAGRAPH) ++c->paragraphs;
        break;
    default: break;
    }
}

static void write_counts(uint32_t sink, const Counts *c) {
    char line[512];
    int n =
        snprintf(line, sizeof line, "paragraphs: %u\nwords: %u\ntables: %u (widest: %u cells)\nfirst paragraph: %.*s\n",
                 c->paragraphs, c->words, c->tables, c->widest_table, (int)c->first_length, c->first_paragraph);
    if (n > 0) FAWrite(sink, line, (size_t)n < sizeof line ? (size_t)n : sizeof line - 1);
}

/* The filter's run: walk every item once, report progress to the host. */
static uint32_t word_count_run(FAExportContext *ctx) {
    Counts c;
    memset(&c, 0, sizeof c);
    uint32_t total = 0, seen = 0;
    CHGetItemCount(ctx->chunker, CH_STORE_ITEMS, &total);
    uint32_t id = 0, next = 0;
    CHItem item;
    while (id != 0xFFFFFFFFu && CHGetItem(ctx->chunker, CH_STORE_ITEMS, id, &item, &next) == 0) {
        count_item(&c, ctx->chunker, id, &item);
        if (total && ++seen % 1024 == 0) EXDoCallback(ctx->hExport, 1, seen * 100u / total);
        if (next != 0xFFFFFFFFu && next <= id) break; /* ids that do not grow end the walk */
        id = next;
    }
    write_counts(ctx->hSink, &c);
    return 0;
}

static const FAFilter kWordCount = {"word-count", WORD_COUNT_OUTPUT_ID, NULL, word_count_run, NULL};

static int fail(const char *what, uint32_t rc) {
    fprintf(stderr, "word_count: %s (code %u)\n", what, rc);
    return 1;
}

/* The host: load, open with QRVDA, export through the library, print. */
static int run_export(CHHandle chunker) {
    uint32_t options = 0, document = 0, sink = 0, export_handle = 0, rc;
    if ((rc = DACreateOptions(&options)) != 0) return fail("no options", rc);
    if ((rc = DAOpenDocument(chunker, options, &document)) != 0) return fail("cannot open the document", rc);
    FARegisterFilter(&kWordCount);
    FACreateMemorySink(&sink);
    rc = EXOpenExport(document, WORD_COUNT_OUTPUT_ID, sink, 0, 0, 0, NULL, 0, &export_handle);
    if (rc == 0) {
        rc = EXRunExport(export_handle);
        uint32_t closed = EXCloseExport(export_handle);
        if (rc == 0) rc = closed;
    }
    const char *data = NULL;
    size_t length = 0;
    if (rc == 0 && FAGetMemorySinkData(sink, &data, &length) == 0) fwrite(data, 1, length, stdout);
    FADestroySink(sink);
    FAUnregisterFilter(WORD_COUNT_OUTPUT_ID);
    DACloseDocument(document);
    DADestroyOptions(options);
    return rc == 0 ? 0 : fail("the export failed", rc);
}

int main(int argc, char **argv) {
    char error[256] = "";
    CHHandle chunker = 0;
    uint32_t rc = argc > 1 ? CHLoadDocumentFile(argv[1], &chunker, error, sizeof error)
                           : CHLoadDocumentText(kSample, sizeof kSample - 1, &chunker, error, sizeof error);
    if (rc != 0) {
        fprintf(stderr, "word_count: %s\n", error[0] ? error : "cannot load the document");
        return 1;
    }
    int status = run_export(chunker);
    CHCloseDocument(chunker);
    return status;
}
