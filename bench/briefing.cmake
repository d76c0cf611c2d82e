# One-click generation against loopback pages of 1 MB, beside the same fetches made alone.
if(TARGET dq_test_server)
    dq_add_benchmark(bench_briefing
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_briefing.cpp
        LIBS dq_briefing dq_content_news dq_content_weather dq_content_quotes dq_web
             dq_test_fakes dq_test_server)
    target_compile_definitions(bench_briefing PRIVATE
        DQ_BRIEFING_FIXTURES="${PROJECT_SOURCE_DIR}/tests/workbench/briefing_fixtures"
        DQ_NEWS_FIXTURES="${PROJECT_SOURCE_DIR}/tests/content/fixtures/news")
endif()
