# The group robots' widget-free parts: storage, messages, signatures, answers.
dq_add_test(robots_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/robot_settings_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/robot_message_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/robot_signature_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/robot_answer_test.cpp
    LIBS dq_robots)
