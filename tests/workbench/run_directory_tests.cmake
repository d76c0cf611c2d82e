# Where the program's files live: the portable and the installed layout.
dq_add_test(run_directory_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/run_directory_test.cpp
    LIBS dq_workbench_core)
