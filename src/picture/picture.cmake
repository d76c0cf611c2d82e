# The picture composer: the JPEG export of the page (no widgets), the plug-in that holds the
# web view (so Qt WebEngine loads only when the picture window opens) and the window itself.
find_package(Qt6 REQUIRED COMPONENTS Gui Widgets WebEngineWidgets)
find_package(JPEG REQUIRED)
include(GNUInstallDirs)

dq_add_library(dq_picture_export
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/jpeg_encoder.cpp
            ${CMAKE_CURRENT_LIST_DIR}/new_file.cpp
            ${CMAKE_CURRENT_LIST_DIR}/picture_export.cpp
    LIBS JPEG::JPEG
    PUBLIC_LIBS Qt6::Gui dq_text dq_workbench_core)

# Built beside the program, where the window looks for it first.
add_library(dq_life_page_view MODULE ${CMAKE_CURRENT_LIST_DIR}/life_page_view_plugin.cpp)
target_link_libraries(dq_life_page_view PRIVATE Qt6::WebEngineWidgets)
set_target_properties(dq_life_page_view PROPERTIES PREFIX "lib"
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/src/workbench)
dq_strict(dq_life_page_view)
install(TARGETS dq_life_page_view LIBRARY DESTINATION ${DQ_INSTALL_PLUGINDIR})

dq_add_library(dq_picture
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/picture_window.cpp
            ${CMAKE_CURRENT_LIST_DIR}/picture_window.ui
            ${CMAKE_CURRENT_LIST_DIR}/page_text.cpp
            ${CMAKE_CURRENT_LIST_DIR}/life_page_view.cpp
    PUBLIC_LIBS Qt6::Widgets dq_picture_export dq_workbench_widgets dq_workbench_core
                dq_content_weather dq_robots dq_text)
set_target_properties(dq_picture PROPERTIES AUTOMOC ON AUTOUIC ON)
# Where the installed program finds the installed plug-in (cmake/DawnquillInstallDirs.cmake).
target_compile_definitions(dq_picture PRIVATE DQ_PLUGINDIR_FROM_BINDIR="${DQ_PLUGINDIR_FROM_BINDIR}")
# The program (and every test of the window) needs the plug-in built.
add_dependencies(dq_picture dq_life_page_view)
