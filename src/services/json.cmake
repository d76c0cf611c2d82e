find_package(nlohmann_json 3.11 REQUIRED)

# The JSON reader of the short-link features over nlohmann/json (ordered objects), with its
# own compact writer.
dq_add_library(dq_json
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/json_reader.cpp ${CMAKE_CURRENT_LIST_DIR}/json_text.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ecmascript_number.cpp
    PUBLIC_LIBS dq_text nlohmann_json::nlohmann_json)
