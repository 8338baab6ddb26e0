// The export's file names and default character set.
#include "tree.hpp"

#include <cstring>

namespace {

// Names are fixed 4096-byte buffers; the caller's buffer is read whole.
uint32_t set_name(char (&field)[EXDT_FILE_NAME_BYTES], const char *name) {
    if (name) std::memcpy(field, name, sizeof field);
    return QRV_OK;
}

}  // namespace

// Each setter copies all 4096 bytes of the caller's buffer into its field
// and gives 0 (a null tree or buffer changes nothing).
extern "C" QRVAPI uint32_t EXDTSetSourceFileName(EXDTTree *tree, const char *name) {
    if (!tree) return QRV_OK;
    return set_name(tree->SourceFileName, name);
}

extern "C" QRVAPI uint32_t EXDTSetCSSFileName(EXDTTree *tree, const char *name) {
    if (!tree) return QRV_OK;
    return set_name(tree->CSSFileName, name);
}

extern "C" QRVAPI uint32_t EXDTSetJSFileName(EXDTTree *tree, const char *name) {
    if (!tree) return QRV_OK;
    return set_name(tree->JSFileName, name);
}

// Sets DefaultCharset; always 0.
extern "C" QRVAPI uint32_t EXDTSetDefaultCharset(EXDTTree *tree, uint32_t charset) {
    if (tree) tree->DefaultCharset = charset;
    return QRV_OK;
}
