# The news catalogue, the news preview and the headline extraction: widget-free.
dq_add_library(dq_content_news
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/news_catalogue.cpp
            ${CMAKE_CURRENT_LIST_DIR}/news_extraction.cpp
            ${CMAKE_CURRENT_LIST_DIR}/news_preview.cpp
    LIBS dq_web dq_shortlink
    PUBLIC_LIBS dq_services dq_workbench_core dq_text)
