# The full request engine of the short-link features, over the shared libcurl layer, with the
# character-set step through the regular-expression service and ICU.
dq_add_library(dq_web_request
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/web_request.cpp ${CMAKE_CURRENT_LIST_DIR}/request_block.cpp
            ${CMAKE_CURRENT_LIST_DIR}/request_url.cpp
    PUBLIC_LIBS dq_web dq_services dq_text)
