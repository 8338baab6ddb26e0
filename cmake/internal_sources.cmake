# Internal paths that no exported function lets a caller choose: the number
# formatter's two digit paths and the UTF-8 encoder's kernels.  Test programs
# and fuzz harnesses that compare them compile these sources into themselves.
set(_number ${PROJECT_SOURCE_DIR}/src/format/number)
set(QRV_NUMBER_PATH_SOURCES
  ${_number}/code_walk.cpp ${_number}/date_fields.cpp ${_number}/exact_decimal.cpp
  ${_number}/field_tokens.cpp ${_number}/format_value.cpp ${_number}/format_view.cpp
  ${_number}/general_text.cpp ${_number}/noise_filter.cpp ${_number}/output_text.cpp
  ${_number}/render.cpp)
set(_charset ${PROJECT_SOURCE_DIR}/src/format/charset)
set(QRV_UTF8_PATH_SOURCES
  ${_charset}/utf8_convert.cpp ${_charset}/utf8_scalar.cpp ${_charset}/utf8_sse2.cpp
  ${_charset}/utf8_avx2.cpp ${_charset}/utf8_avx512.cpp)
