find_package(OpenSSL REQUIRED)
find_package(Threads REQUIRED)

# The loopback HTTP/HTTPS server of the network tests, and the routes that send real host
# names to it.
add_library(dq_test_server STATIC
    ${CMAKE_CURRENT_LIST_DIR}/test_server.cpp ${CMAKE_CURRENT_LIST_DIR}/server_stream.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tls_identity.cpp ${CMAKE_CURRENT_LIST_DIR}/recorded_request.cpp
    ${CMAKE_CURRENT_LIST_DIR}/canned_response.cpp ${CMAKE_CURRENT_LIST_DIR}/loopback_site.cpp)
target_include_directories(dq_test_server PUBLIC ${DQ_TESTS_DIR})
target_link_libraries(dq_test_server PUBLIC dq_web OpenSSL::SSL OpenSSL::Crypto Threads::Threads)
dq_strict(dq_test_server)
