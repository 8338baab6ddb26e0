/* convert: any document the library reads, in another format.
 *
 *     convert INPUT FORMAT [OUTPUT]
 *
 * FORMAT is html, text, markdown, csv or json; without OUTPUT the result
 * goes to standard output. */
#include <qrvconvert.h>

#include <stdio.h>

int main(int argc, char **argv) {
    char message[512];
    char *data = NULL;
    size_t length = 0;
    int rc;

    if (argc < 3 || argc > 4) {
        fprintf(stderr, "usage: %s INPUT FORMAT [OUTPUT]\n", argv[0]);
        return 2;
    }
    if (argc == 4)
        rc = QRVConvertFileToFile(argv[1], argv[3], argv[2], NULL, message, sizeof message);
    else
        rc = QRVConvertFileToMemory(argv[1], argv[2], NULL, &data, &length, message, sizeof message);
    if (rc != QRVC_OK) {
        fprintf(stderr, "convert: %s\n", message);
        return 1;
    }
    if (data) fwrite(data, 1, length, stdout);
    QRVConvertFree(data);
    return 0;
}
