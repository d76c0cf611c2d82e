# Widget-free declarations that the content builders share with the main window.
add_library(dq_workbench_core INTERFACE)
target_include_directories(dq_workbench_core INTERFACE ${PROJECT_SOURCE_DIR}/src)
