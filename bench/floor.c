/* The floor of a package export: the least work any converter of an XLSX,
 * DOCX, ODS, ODT, PPTX or ODP package must do before it writes a byte, so
 * bench/floor.sh can say how far above it qrvex-export and its peers are.
 *
 * It opens the package with libzip and streams every XML member (a name
 * ending in .xml or .rels: the OOXML parts and relationships, ODF's
 * content.xml, styles.xml, meta.xml and manifest) through zip_fread, 64 KiB
 * at a time, straight into an expat parser's own buffer.  The handlers only
 * count elements and text bytes; nothing is kept, so memory stays constant
 * whatever the size of the package.
 *
 *   ./build/release/bin/bench_floor book.docx
 *   members 12, inflated 91234567 bytes, elements 3456789, text 12345678 bytes
 */
#include <expat.h>
#include <zip.h>

#include <stdio.h>
#include <string.h>

enum { kChunk = 64 * 1024 };

struct counts {
    long long members;
    long long inflated;
    long long elements;
    long long text;
};

static void XMLCALL count_element(void *data, const XML_Char *name, const XML_Char **attributes) {
    (void)name;
    (void)attributes;
    ++((struct counts *)data)->elements;
}

static void XMLCALL end_element(void *data, const XML_Char *name) {
    (void)data;
    (void)name;
}

static void XMLCALL count_text(void *data, const XML_Char *text, int length) {
    (void)text;
    ((struct counts *)data)->text += length;
}

static int ends_with(const char *name, const char *suffix) {
    const size_t n = strlen(name), m = strlen(suffix);
    return n >= m && strcmp(name + n - m, suffix) == 0;
}

static int is_xml_member(const char *name) { return ends_with(name, ".xml") || ends_with(name, ".rels"); }

/* Inflates one member into the parser; 0 on success, else a message is printed. */
static int parse_member(zip_t *package, zip_uint64_t index, const char *name, XML_Parser parser,
                        struct counts *counts) {
    zip_file_t *member = zip_fopen_index(package, index, 0);
    if (!member) {
        fprintf(stderr, "%s: %s\n", name, zip_strerror(package));
        return -1;
    }
    XML_ParserReset(parser, NULL);
    XML_SetUserData(parser, counts);
    XML_SetElementHandler(parser, count_element, end_element);
    XML_SetCharacterDataHandler(parser, count_text);
    int status = 0;
    for (;;) {
        void *buffer = XML_GetBuffer(parser, kChunk);
        const zip_int64_t got = buffer ? zip_fread(member, buffer, kChunk) : -1;
        if (got < 0) {
            fprintf(stderr, "%s: %s\n", name, buffer ? zip_file_strerror(member) : "out of memory");
            status = -1;
            break;
        }
        counts->inflated += got;
        if (XML_ParseBuffer(parser, (int)got, got == 0) != XML_STATUS_OK) {
            fprintf(stderr, "%s:%lu: %s\n", name, (unsigned long)XML_GetCurrentLineNumber(parser),
                    XML_ErrorString(XML_GetErrorCode(parser)));
            status = -1;
            break;
        }
        if (got == 0) break;
    }
    zip_fclose(member);
    ++counts->members;
    return status;
}

int main(int argc, char **argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s PACKAGE\n", argv[0]);
        return 2;
    }
    int error = 0;
    zip_t *package = zip_open(argv[1], ZIP_RDONLY, &error);
    if (!package) {
        zip_error_t why;
        zip_error_init_with_code(&why, error);
        fprintf(stderr, "%s: %s\n", argv[1], zip_error_strerror(&why));
        zip_error_fini(&why);
        return 1;
    }
    XML_Parser parser = XML_ParserCreate(NULL);
    struct counts counts = {0, 0, 0, 0};
    int status = parser ? 0 : -1;
    const zip_int64_t entries = zip_get_num_entries(package, 0);
    for (zip_int64_t i = 0; status == 0 && i < entries; ++i) {
        const char *name = zip_get_name(package, (zip_uint64_t)i, 0);
        if (name && is_xml_member(name)) status = parse_member(package, (zip_uint64_t)i, name, parser, &counts);
    }
    if (parser) XML_ParserFree(parser);
    zip_discard(package);
    if (status != 0) return 1;
    printf("members %lld, inflated %lld bytes, elements %lld, text %lld bytes\n", counts.members, counts.inflated,
           counts.elements, counts.text);
    return 0;
}
