dq_add_test(regex_service_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/regex_service_test.cpp
    LIBS dq_services dq_text)
