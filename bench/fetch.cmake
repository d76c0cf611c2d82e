# WebFetch of a 1 MB loopback page beside a minimal libcurl fetch of the same page.
dq_add_benchmark(bench_fetch
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_fetch.cpp
    LIBS dq_web dq_test_server)
