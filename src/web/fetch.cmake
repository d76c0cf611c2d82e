find_package(CURL REQUIRED)
find_package(OpenSSL REQUIRED)

# The libcurl transfer layer with its time and size bounds and the test-only loopback routes,
# and the page fetch over it.
dq_add_library(dq_web
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fetch.cpp ${CMAKE_CURRENT_LIST_DIR}/fetch_request.cpp
            ${CMAKE_CURRENT_LIST_DIR}/curl_transfer.cpp ${CMAKE_CURRENT_LIST_DIR}/fetch_limits.cpp
            ${CMAKE_CURRENT_LIST_DIR}/curl_handle.cpp ${CMAKE_CURRENT_LIST_DIR}/loopback_routes.cpp
    PUBLIC_LIBS dq_text CURL::libcurl
    LIBS OpenSSL::SSL OpenSSL::Crypto)
