# The preset file 配置文件.ini: a Windows-style profile file model and the preset store over it,
# with our own section beside the section "配置文件".
dq_add_library(dq_presets
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ini_document.cpp ${CMAKE_CURRENT_LIST_DIR}/preset_store.cpp
            ${CMAKE_CURRENT_LIST_DIR}/own_presets.cpp
    LIBS dq_content_news
    PUBLIC_LIBS dq_workbench_core dq_text)
