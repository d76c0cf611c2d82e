find_package(SQLite3 REQUIRED)

# The database of the user's own news sources, over SQLite: widget-free.
dq_add_library(dq_sources
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/source_value.cpp
            ${CMAKE_CURRENT_LIST_DIR}/source_database.cpp
            ${CMAKE_CURRENT_LIST_DIR}/source_statements.cpp
            ${CMAKE_CURRENT_LIST_DIR}/source_rows.cpp
    LIBS SQLite::SQLite3
    PUBLIC_LIBS dq_text)
