# The interface list and short-link conversion against a loopback code-hosting site and
# short-link service; one-click generation with short links against a golden wx.txt.
dq_add_test(shortlink_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/interface_list_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/short_link_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/short_link_news_test.cpp
    LIBS dq_shortlink dq_content_news dq_content_weather dq_briefing dq_test_fakes dq_test_server)
target_compile_definitions(shortlink_tests PRIVATE
    DQ_SHORTLINK_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/fixtures"
    DQ_BRIEFING_FIXTURES="${PROJECT_SOURCE_DIR}/tests/workbench/briefing_fixtures"
    DQ_NEWS_FIXTURES="${PROJECT_SOURCE_DIR}/tests/content/fixtures/news")
