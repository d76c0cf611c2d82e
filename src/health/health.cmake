# The health check of the news sources: fetch and match on threads of its own, the table of
# results, and the run without a window. Widget-free.
dq_add_library(dq_health
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/source_check.cpp
            ${CMAKE_CURRENT_LIST_DIR}/source_table.cpp
            ${CMAKE_CURRENT_LIST_DIR}/check_run.cpp
    LIBS dq_services dq_web dq_presets
    PUBLIC_LIBS dq_content_news dq_workbench_core dq_text)

# The window "信息源检测" over Qt Widgets.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
dq_add_library(dq_health_gui
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/source_check_window.cpp
    PUBLIC_LIBS dq_health Qt6::Widgets)
set_target_properties(dq_health_gui PROPERTIES AUTOMOC ON)
