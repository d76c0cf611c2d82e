# The widget tests: real windows on the offscreen platform, dialogs recorded by the wrapper.
find_package(Qt6 REQUIRED COMPONENTS Test)

dq_add_test(test_qt_text
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_qt_text.cpp
    LIBS dq_workbench)

dq_add_test(test_dialogs
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_dialogs.cpp
    LIBS dq_workbench)

dq_add_test(test_main_window
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_main_window_controls.cpp
            ${CMAKE_CURRENT_LIST_DIR}/test_main_window_start.cpp
            ${CMAKE_CURRENT_LIST_DIR}/test_main_window_handlers.cpp
            ${CMAKE_CURRENT_LIST_DIR}/test_main_window_form.cpp
            ${CMAKE_CURRENT_LIST_DIR}/test_main_window_skins.cpp
    LIBS dq_workbench Qt6::Test)

dq_add_test(test_main_window_busy
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_main_window_busy.cpp
    LIBS dq_workbench dq_test_server)

dq_add_test(test_workbench_widgets
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_qt_form_lists.cpp
            ${CMAKE_CURRENT_LIST_DIR}/test_busy_state.cpp
    LIBS dq_workbench dq_test_fakes Qt6::Test)
