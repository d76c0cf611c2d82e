# Start-up of the program against a minimal Qt Widgets window, under an X display (Xvfb).
find_package(X11 REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Widgets)

add_executable(minimal_window ${CMAKE_CURRENT_LIST_DIR}/minimal_window.cpp)
target_link_libraries(minimal_window PRIVATE Qt6::Widgets)
dq_strict(minimal_window)

dq_add_benchmark(bench_startup
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_startup.cpp
    LIBS dq_text X11::X11)
target_compile_definitions(bench_startup PRIVATE
    DQ_PROGRAM="$<TARGET_FILE:dawnquill>"
    DQ_MINIMAL_WINDOW="$<TARGET_FILE:minimal_window>")
add_dependencies(bench_startup dawnquill minimal_window)
