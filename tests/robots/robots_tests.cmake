# The group robots' widget-free parts: storage, messages, signatures, answers.
dq_add_test(robots_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/robot_settings_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/robot_message_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/robot_signature_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/robot_answer_test.cpp
    LIBS dq_robots)

# Posting to loopback fakes of the robot services.
dq_add_test(robots_post_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/robot_post_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/post_briefing_test.cpp
    LIBS dq_robots dq_test_server dq_test_fakes)

# The window "群机器人" and the main window's controls for the robots, on the offscreen platform.
dq_add_test(robots_window_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/robot_settings_window_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/robot_main_window_test.cpp
    LIBS dq_robots_gui dq_workbench dq_test_fakes dq_test_server)
