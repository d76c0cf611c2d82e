# Tests of the news extraction, the catalogue and the news preview.
dq_add_test(news_extraction_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/news_extraction_test.cpp
    LIBS dq_content_news dq_test_fakes)

# The news preview against the loopback stand-in for every catalogue site.
dq_add_test(news_preview_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/news_preview_test.cpp
    LIBS dq_content_news dq_test_fakes dq_test_server)

foreach(news_test news_extraction_tests news_preview_tests)
    target_compile_definitions(${news_test} PRIVATE
        DQ_NEWS_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/fixtures/news")
endforeach()
