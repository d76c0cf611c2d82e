# Catalogue pattern 16 over a 2 MB GBK page of 5,000 rows: Create and reading every group.
# bench/regex_node_bench.js times JavaScript's RegExp on the same page for comparison.
dq_add_benchmark(bench_regex
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_regex.cpp
    LIBS dq_services dq_text)
