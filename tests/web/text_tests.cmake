# Text conventions, URL/header/cookie utilities and encoding conversions.
dq_add_test(dq_text_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_text_conventions.cpp
            ${CMAKE_CURRENT_LIST_DIR}/test_text_utils.cpp
            ${CMAKE_CURRENT_LIST_DIR}/test_encoding.cpp
            ${CMAKE_CURRENT_LIST_DIR}/test_gbk_literal.cpp
            ${CMAKE_CURRENT_LIST_DIR}/test_utf8_between.cpp
    LIBS dq_text ICU::uc)
