# Tests of the news extraction, the catalogue and the news preview.
dq_add_test(news_extraction_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/news_extraction_test.cpp
    LIBS dq_content_news dq_test_fakes)
target_compile_definitions(news_extraction_tests PRIVATE
    DQ_NEWS_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/fixtures/news")
