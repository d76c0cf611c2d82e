# The widget-free helpers the whole program shares.
dq_add_test(dq_workbench_core_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/date_time_text_test.cpp
    LIBS dq_workbench_core)
