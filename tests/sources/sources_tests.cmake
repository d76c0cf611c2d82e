# The source database on SQLite.
dq_add_test(dq_sources_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/source_database_test.cpp
    LIBS dq_sources SQLite::SQLite3)

# The source manager windows on the offscreen platform.
dq_add_test(dq_source_windows_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/source_manager_window_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/source_manager_flow_test.cpp
    LIBS dq_sources_gui dq_workbench dq_test_server SQLite::SQLite3 Qt6::Test)
