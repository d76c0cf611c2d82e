# The source database on SQLite.
dq_add_test(dq_sources_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/source_database_test.cpp
    LIBS dq_sources SQLite::SQLite3)
