find_package(nlohmann_json 3 REQUIRED)

dq_add_test(regex_service_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/regex_service_test.cpp
    LIBS dq_services dq_text)

dq_add_test(regex_node_comparison_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/regex_node_comparison_test.cpp
    LIBS dq_services dq_text nlohmann_json::nlohmann_json)
target_compile_definitions(regex_node_comparison_test PRIVATE
    DQ_JS_REGEX_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/js_regex_matches.js")
