# Widget-free fakes of the form and message interfaces.
add_library(dq_test_fakes INTERFACE)
target_include_directories(dq_test_fakes INTERFACE ${DQ_TESTS_DIR})
target_link_libraries(dq_test_fakes INTERFACE dq_workbench_core)
