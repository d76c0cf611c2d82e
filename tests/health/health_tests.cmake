# The health check of the news sources against loopback sites, some broken on purpose.
dq_add_test(health_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/source_check_test.cpp
    LIBS dq_health dq_test_server)
target_compile_definitions(health_tests PRIVATE
    DQ_NEWS_FIXTURES="${PROJECT_SOURCE_DIR}/tests/content/fixtures/news")

# The window "信息源检测" and the menu item that opens it.
find_package(Qt6 REQUIRED COMPONENTS Test)
dq_add_test(health_window_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/source_check_window_test.cpp
    LIBS dq_health_gui dq_workbench dq_test_server Qt6::Test)
