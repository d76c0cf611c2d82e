find_package(nlohmann_json 3 REQUIRED)

dq_add_test(regex_service_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/regex_service_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/regex_catalogue_patterns_test.cpp
    LIBS dq_services dq_text)

dq_add_test(regex_node_comparison_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/regex_node_comparison_test.cpp
    LIBS dq_services dq_text nlohmann_json::nlohmann_json)
target_compile_definitions(regex_node_comparison_test PRIVATE
    DQ_JS_REGEX_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/js_regex_matches.js")

# Runaway patterns must end within their time budget: a short timeout shows a hang as one.
add_executable(regex_limits_test ${CMAKE_CURRENT_LIST_DIR}/regex_limits_test.cpp)
target_link_libraries(regex_limits_test PRIVATE dq_services dq_text GTest::gtest GTest::gtest_main)
target_include_directories(regex_limits_test PRIVATE ${DQ_TESTS_DIR} ${PROJECT_SOURCE_DIR}/src)
dq_strict(regex_limits_test)
gtest_discover_tests(regex_limits_test DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 30)

dq_add_test(gbk_subject_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/gbk_subject_test.cpp
    LIBS dq_services dq_text)

dq_add_test(json_reader_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/json_reader_test.cpp
    LIBS dq_json dq_text)

dq_add_test(json_node_comparison_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/json_node_comparison_test.cpp
    LIBS dq_json dq_text)
target_compile_definitions(json_node_comparison_test PRIVATE
    DQ_JSON_STRINGIFY_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/json_stringify.js")
