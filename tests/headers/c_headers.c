/* Every public header, compiled as C11: C filters must be able to include them. */
#include <qrvex/qrvex.h>
#include <qrvch.h>
#include <qrvda.h>
#include <qrvfa.h>
#include <qrvut.h>

int qrv_c_headers_compile(void) { return QRV_OK; }
