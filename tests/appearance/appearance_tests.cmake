# Skins: the file format and the carried files (widget-free), the engine host over real
# widgets, and the rendered contrast of the six skins the main window offers.
dq_add_test(dq_appearance_store_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin_file_test.cpp
    LIBS dq_appearance_store)

find_package(Qt6 REQUIRED COMPONENTS Test)

dq_add_test(dq_appearance_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/rendered_text.cpp
            ${CMAKE_CURRENT_LIST_DIR}/skin_engine_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/skin_contrast_test.cpp
    LIBS dq_appearance dq_workbench Qt6::Test)
