find_package(ICU REQUIRED COMPONENTS uc)

# Text conventions, the URL/header/cookie utilities and the encoding conversions: pure code,
# no Qt, no network.
dq_add_library(dq_text
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/text.cpp ${CMAKE_CURRENT_LIST_DIR}/text_utils.cpp
            ${CMAKE_CURRENT_LIST_DIR}/encoding.cpp ${CMAKE_CURRENT_LIST_DIR}/utf8_between.cpp
    LIBS ICU::uc)
