# Widget-free declarations that the content builders share with the main window: the form
# and message interfaces, the program-wide values, and whole-file writes.
dq_add_library(dq_workbench_core
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/atomic_file.cpp ${CMAKE_CURRENT_LIST_DIR}/file_writing.cpp
            ${CMAKE_CURRENT_LIST_DIR}/run_directory.cpp
            ${CMAKE_CURRENT_LIST_DIR}/plain_form.cpp
            ${CMAKE_CURRENT_LIST_DIR}/date_time_text.cpp
    PUBLIC_LIBS dq_text)
