# The runs without a window: the command line, the unattended briefing and the messages that
# go to standard error instead of boxes. Widget-free.
dq_add_library(dq_unattended
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
            ${CMAKE_CURRENT_LIST_DIR}/design_form.cpp
            ${CMAKE_CURRENT_LIST_DIR}/generate_run.cpp
            ${CMAKE_CURRENT_LIST_DIR}/stream_messages.cpp
    LIBS dq_content_news dq_web dq_health dq_robots
    PUBLIC_LIBS dq_briefing dq_saved_choices dq_presets dq_workbench_core dq_text)
