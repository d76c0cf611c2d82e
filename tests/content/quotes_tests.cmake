# The daily quotes: the carried libraries, the draw, the header and the quote block.
dq_add_test(dq_content_quotes_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/quotes_library_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/quotes_draw_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/quotes_preview_test.cpp
    LIBS dq_content_quotes dq_test_fakes)
