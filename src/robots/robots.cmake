find_package(nlohmann_json REQUIRED)
find_package(OpenSSL REQUIRED)

# Group robots (WeCom, DingTalk, Feishu): the stored robots, the messages and their signatures,
# posting over the shared transfer layer, what the robots answered, and the "发送到群" handler.
# Widget-free.
dq_add_library(dq_robots
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/robot_settings.cpp ${CMAKE_CURRENT_LIST_DIR}/robot_message.cpp
            ${CMAKE_CURRENT_LIST_DIR}/robot_signature.cpp ${CMAKE_CURRENT_LIST_DIR}/robot_answer.cpp
            ${CMAKE_CURRENT_LIST_DIR}/robot_transport.cpp ${CMAKE_CURRENT_LIST_DIR}/robot_post.cpp
            ${CMAKE_CURRENT_LIST_DIR}/post_briefing.cpp
    LIBS dq_presets dq_web dq_briefing OpenSSL::Crypto CURL::libcurl
    PUBLIC_LIBS dq_workbench_core dq_text nlohmann_json::nlohmann_json)

# The window "群机器人" over Qt Widgets; messages go through the Messages port.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
dq_add_library(dq_robots_gui
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/robot_settings_window.cpp
    PUBLIC_LIBS Qt6::Widgets dq_robots dq_workbench_core)
