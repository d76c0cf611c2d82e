# The picture export: click to file, and the encode beside a bare libjpeg-turbo encode.
find_package(JPEG REQUIRED)
dq_add_benchmark(bench_picture
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_picture.cpp
    LIBS dq_picture dq_workbench_core JPEG::JPEG)
target_compile_definitions(bench_picture PRIVATE
    DQ_LIFE_PAGE_VIEW_DIR="${CMAKE_BINARY_DIR}/src/workbench")
