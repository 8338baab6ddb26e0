// The result an export gives back when a structured exception ended it.
#include <qrvda.h>
#include <qrvplatform/platform.h>

extern "C" uint32_t DAGetExceptionError(uint32_t exceptionCode) {
    switch (exceptionCode) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_DATATYPE_MISALIGNMENT: return DA_ERR_ACCESS_VIOLATION;
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_OVERFLOW: return DA_ERR_ARITHMETIC;
    case EXCEPTION_STACK_OVERFLOW: return DA_ERR_STACK_OVERFLOW;
    default: return DA_ERR_EXCEPTION;
    }
}
