# WebRequest of a 1 MB UTF-8 page beside a bare libcurl fetch plus a bare ICU conversion.
dq_add_benchmark(bench_request
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_request.cpp
    LIBS dq_web_request dq_test_server ICU::uc)
