# Internal paths that no exported function lets a caller choose: the number
# formatter's two digit paths and two walks, and the UTF-8 encoder's
# kernels.  Test programs and fuzz harnesses that compare them compile these
# sources into themselves.
set(_number ${PROJECT_SOURCE_DIR}/src/format/number)
set(QRV_NUMBER_PATH_SOURCES
  ${_number}/code_walk.cpp ${_number}/date_fields.cpp ${_number}/date_walk.cpp
  ${_number}/exact_decimal.cpp ${_number}/field_tokens.cpp
  ${_number}/format_value.cpp ${_number}/general_text.cpp
  ${_number}/noise_filter.cpp ${_number}/output_text.cpp ${_number}/plain_general.cpp
  ${_number}/plain_number.cpp ${_number}/plain_shape.cpp ${_number}/plain_walk.cpp
  ${_number}/render.cpp)
# The call's own parts (the chain of definitions, compiling, conditions,
# conventions), so that a test can choose the paths of whole calls.
set(QRV_NUMBER_CALL_SOURCES
  ${_number}/compile.cpp ${_number}/condition.cpp ${_number}/format_chain.cpp)
set(_charset ${PROJECT_SOURCE_DIR}/src/format/charset)
set(QRV_UTF8_PATH_SOURCES
  ${_charset}/utf8_convert.cpp ${_charset}/utf8_scalar.cpp ${_charset}/utf8_sse2.cpp
  ${_charset}/utf8_avx2.cpp ${_charset}/utf8_avx512.cpp)
# The table index read once, which the table searches answer from during an
# export run, beside the walks it must agree with.
set(_navigate ${PROJECT_SOURCE_DIR}/src/chunk/navigate)
set(QRV_TABLE_SNAPSHOT_SOURCES ${_navigate}/table_index_walk.cpp ${_navigate}/table_snapshot.cpp
  ${_navigate}/tag_list_snapshot.cpp ${_navigate}/run_snapshots.cpp)
