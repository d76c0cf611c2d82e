# UTF-8 to GBK conversion speed against a bare ICU conversion of the same bytes.
dq_add_benchmark(bench_encoding
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_encoding.cpp
    LIBS dq_text ICU::uc)
