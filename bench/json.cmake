# JsonReader Parse + ToJsonText of a 1 MB document beside nlohmann's parse + dump.
dq_add_benchmark(bench_json
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_json.cpp
    LIBS dq_json dq_text)
