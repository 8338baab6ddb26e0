/*
 * QRVUT, the toolkit's utility library (stand-in): wide-string helpers,
 * string resources and character-set conversion.
 *
 * String resources are byte strings in Windows-1252 (UTGetString) or wide
 * strings (UTGetWordString); both cut the text to the buffer and always
 * terminate it, empty when the id has no text.  Every id the export library
 * asks for has an English text; a host replaces texts with UTSetString or a
 * locale file.
 *
 * A locale file is UTF-8 text, one resource per line: "65736=Montag".  The
 * text is everything after the '=' as it stands; blank lines and lines that
 * start with '#' are skipped.  A file with a bad line changes nothing.
 */
#ifndef QRVUT_H
#define QRVUT_H

#include <qrvex/types.h>

QRV_BEGIN_DECLS

/* The character set UTGetUnknownCharSet gives for 0x30100: Windows-1252. */
#define UT_CHARSET_WINDOWS_1252 0x30100u

enum {
    UT_ERR_NOT_FOUND = 0x3001,    /* no text for the id (the buffer holds "") */
    UT_ERR_BAD_ARGUMENT = 0x3002, /* a null buffer or a size of 0 */
    UT_ERR_BAD_TEXT = 0x3003,     /* a replacement text that is not UTF-8 */
    UT_ERR_BAD_FILE = 0x3004      /* a locale file that cannot be read or has a bad line */
};

/* Length in characters; 0 for a null string. */
uint32_t UTwstrlen(const QRVWCHAR *s);
/* 0 when equal ignoring the case of ASCII and Latin-1 letters. */
uint32_t UTwstrcmpi(const QRVWCHAR *a, const QRVWCHAR *b);
uint32_t UTGetString(uint32_t id, char *buffer, uint32_t size, uint32_t reserved);
uint32_t UTGetWordString(uint32_t id, QRVWCHAR *buffer, uint32_t size, uint32_t reserved);
uint32_t UTGetUnknownCharSet(uint32_t code);
/* Every character set is read as Windows-1252; at most 255 source bytes. */
uint32_t UTMultiToDoubleByte(QRVWCHAR *dst, const char *src, uint32_t charset);

/* Host side: replace resource texts (UTF-8); UTResetStrings goes back to
 * the English texts. */
uint32_t UTSetString(uint32_t id, const char *utf8);
uint32_t UTLoadLocaleFile(const char *path, char *err, size_t errSize);
void UTResetStrings(void);

QRV_END_DECLS

#endif /* QRVUT_H */
