# The loopback test server itself, driven over a bare socket.
dq_add_test(test_server_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_test_server.cpp
    LIBS dq_test_server)
