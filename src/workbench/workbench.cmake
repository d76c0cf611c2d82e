# The main window over Qt Widgets, and the program itself.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

dq_add_library(dq_workbench
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
            ${CMAKE_CURRENT_LIST_DIR}/main_window_start.cpp
            ${CMAKE_CURRENT_LIST_DIR}/main_window.ui
    PUBLIC_LIBS Qt6::Widgets dq_workbench_widgets dq_workbench_core dq_text dq_presets
                dq_content_weather dq_content_quotes dq_content_news dq_briefing dq_robots_gui
                dq_appearance dq_shortlink dq_sources_gui dq_saved_choices dq_health_gui dq_picture)
set_target_properties(dq_workbench PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)

add_executable(dawnquill ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(dawnquill PRIVATE dq_workbench dq_unattended)
dq_strict(dawnquill)
set_target_properties(dawnquill PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/src/workbench)
