# The runs without a window: the command line and the unattended briefing, in-process against
# loopback stand-ins for the weather site and the news portal.
dq_add_test(unattended_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/generate_run_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/command_line_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/generate_post_test.cpp
    LIBS dq_unattended dq_robots dq_content_quotes dq_test_fakes dq_test_server)
target_compile_definitions(unattended_tests PRIVATE
    DQ_BRIEFING_FIXTURES="${PROJECT_SOURCE_DIR}/tests/workbench/briefing_fixtures"
    DQ_NEWS_FIXTURES="${PROJECT_SOURCE_DIR}/tests/content/fixtures/news")

# The same presets through the window's one-click and through the unattended run.
find_package(Qt6 REQUIRED COMPONENTS Test)
dq_add_test(unattended_window_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/window_parity_test.cpp
    LIBS dq_unattended dq_workbench dq_test_server Qt6::Test)
target_compile_definitions(unattended_window_tests PRIVATE
    DQ_BRIEFING_FIXTURES="${PROJECT_SOURCE_DIR}/tests/workbench/briefing_fixtures"
    DQ_NEWS_FIXTURES="${PROJECT_SOURCE_DIR}/tests/content/fixtures/news")
