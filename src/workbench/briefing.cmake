# The briefing as output: one-click generation into wx.txt and clearing the previews.
# Widget-free; the main window calls it with its form.
dq_add_library(dq_briefing
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/briefing.cpp
    LIBS dq_content_news dq_content_weather dq_content_quotes
    PUBLIC_LIBS dq_workbench_core dq_text)

# The saved choices restored into a form at start: by the main window and by the unattended run.
dq_add_library(dq_saved_choices
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/saved_choices.cpp
    LIBS dq_content_weather dq_content_quotes
    PUBLIC_LIBS dq_presets dq_workbench_core dq_text)
