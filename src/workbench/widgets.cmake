# What every window of the program builds on, over Qt Widgets: the GBK/QString crossing, the
# widget form, the dialog wrapper with the tip and success windows, the busy state.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

dq_add_library(dq_workbench_widgets
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/qt_text.cpp
            ${CMAKE_CURRENT_LIST_DIR}/qt_form.cpp
            ${CMAKE_CURRENT_LIST_DIR}/dialogs.cpp
            ${CMAKE_CURRENT_LIST_DIR}/busy_state.cpp
            ${CMAKE_CURRENT_LIST_DIR}/success_window.cpp
            ${CMAKE_CURRENT_LIST_DIR}/success_window.ui
            ${CMAKE_CURRENT_LIST_DIR}/tip_window.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tip_window.ui
            ${CMAKE_CURRENT_LIST_DIR}/window_pictures.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pictures.qrc
    PUBLIC_LIBS Qt6::Widgets dq_workbench_core dq_text)
set_target_properties(dq_workbench_widgets PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
