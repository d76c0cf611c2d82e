# One-click generation end to end on a fake form, against loopback stand-ins for the weather
# site and the news portal.
dq_add_test(briefing_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/briefing_test.cpp
    LIBS dq_briefing dq_content_news dq_content_weather dq_test_fakes dq_test_server)
target_compile_definitions(briefing_tests PRIVATE
    DQ_BRIEFING_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/briefing_fixtures"
    DQ_NEWS_FIXTURES="${PROJECT_SOURCE_DIR}/tests/content/fixtures/news")
