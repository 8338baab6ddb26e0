/*
 * QRVUT, the toolkit's utility library (stand-in): wide-string helpers,
 * string resources and character-set conversion.
 *
 * String resources are byte strings in Windows-1252.  A host can replace any
 * text with a locale file (docs/locale-files.md) or with UTSetString.
 */
#ifndef QRVUT_H
#define QRVUT_H

#include <qrvex/types.h>

QRV_BEGIN_DECLS

/* The character set UTGetUnknownCharSet gives for 0x30100: Windows-1252. */
#define UT_CHARSET_WINDOWS_1252 0x30100u

uint32_t UTwstrlen(const QRVWCHAR *s);
uint32_t UTwstrcmpi(const QRVWCHAR *a, const QRVWCHAR *b);
uint32_t UTGetString(uint32_t id, char *buffer, uint32_t size, uint32_t reserved);
uint32_t UTGetWordString(uint32_t id, QRVWCHAR *buffer, uint32_t size, uint32_t reserved);
uint32_t UTGetUnknownCharSet(uint32_t code);
uint32_t UTMultiToDoubleByte(QRVWCHAR *dst, const char *src, uint32_t charset);

/* Host side: replace resource texts.  Texts are given in UTF-8. */
uint32_t UTSetString(uint32_t id, const char *utf8);
uint32_t UTLoadLocaleFile(const char *path, char *err, size_t errSize);
void UTResetStrings(void);

QRV_END_DECLS

#endif /* QRVUT_H */
