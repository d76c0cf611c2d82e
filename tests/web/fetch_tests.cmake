# The libcurl transfer layer and the page fetch against the loopback server.
dq_add_test(fetch_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_curl_transfer.cpp
            ${CMAKE_CURRENT_LIST_DIR}/test_fetch_request.cpp
            ${CMAKE_CURRENT_LIST_DIR}/test_fetch_response.cpp
    LIBS dq_web dq_test_server)

# The full request engine against the loopback server.
dq_add_test(web_request_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_web_request_sent.cpp
            ${CMAKE_CURRENT_LIST_DIR}/test_web_request_answer.cpp
    LIBS dq_web_request dq_test_server)
