find_package(SQLite3 REQUIRED)

# The database of the user's own news sources, over SQLite: widget-free.
dq_add_library(dq_sources
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/source_value.cpp
            ${CMAKE_CURRENT_LIST_DIR}/source_database.cpp
            ${CMAKE_CURRENT_LIST_DIR}/source_statements.cpp
            ${CMAKE_CURRENT_LIST_DIR}/source_rows.cpp
    LIBS SQLite::SQLite3
    PUBLIC_LIBS dq_text)

# A trial of a source's page and pattern as the news preview will run them: widget-free.
dq_add_library(dq_source_trial
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/pattern_trial.cpp
    LIBS dq_content_news dq_web
    PUBLIC_LIBS dq_workbench_core dq_text)

# The four windows of the source manager, over Qt Widgets.
dq_add_library(dq_sources_gui
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/pattern_test_button.cpp
            ${CMAKE_CURRENT_LIST_DIR}/source_query_window.cpp
            ${CMAKE_CURRENT_LIST_DIR}/source_query_window.ui
            ${CMAKE_CURRENT_LIST_DIR}/source_add_window.cpp
            ${CMAKE_CURRENT_LIST_DIR}/source_add_window.ui
            ${CMAKE_CURRENT_LIST_DIR}/source_modify_window.cpp
            ${CMAKE_CURRENT_LIST_DIR}/source_modify_window.ui
            ${CMAKE_CURRENT_LIST_DIR}/source_manager_window.cpp
            ${CMAKE_CURRENT_LIST_DIR}/source_manager_window.ui
    PUBLIC_LIBS dq_sources dq_source_trial dq_workbench_widgets dq_presets dq_workbench_core dq_text)
set_target_properties(dq_sources_gui PROPERTIES AUTOMOC ON AUTOUIC ON)
