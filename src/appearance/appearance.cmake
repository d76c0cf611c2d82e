# Skins. dq_appearance_store: the skin choices of the main window, the skin file format and
# the 33 built-in skin files (Qt Core only, for the embedded resources). dq_appearance: the
# engine host that applies a skin to the application, over Qt Widgets.
find_package(Qt6 REQUIRED COMPONENTS Core Widgets)

dq_add_library(dq_appearance_store
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin_choice.cpp
            ${CMAKE_CURRENT_LIST_DIR}/skin_file.cpp
            ${CMAKE_CURRENT_LIST_DIR}/built_in_skins.cpp
            ${PROJECT_SOURCE_DIR}/data/skins/skins.qrc
    LIBS Qt6::Core)
set_target_properties(dq_appearance_store PROPERTIES AUTORCC ON)

dq_add_library(dq_appearance
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin_engine.cpp
    PUBLIC_LIBS dq_appearance_store Qt6::Widgets)
