# The weather report: city slug over the embedded pinyin table, the weather site's pages, the
# pieces of the weather text, the preview and the weather switch. No Qt Widgets.
dq_add_library(dq_content_weather
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/pinyin_table.cpp
            ${CMAKE_CURRENT_LIST_DIR}/weather_site.cpp
            ${CMAKE_CURRENT_LIST_DIR}/weather_slug.cpp
            ${CMAKE_CURRENT_LIST_DIR}/weather_fetch.cpp
            ${CMAKE_CURRENT_LIST_DIR}/weather_pieces.cpp
            ${CMAKE_CURRENT_LIST_DIR}/weather_range.cpp
            ${CMAKE_CURRENT_LIST_DIR}/weather_detail.cpp
            ${CMAKE_CURRENT_LIST_DIR}/weather_preview.cpp
            ${CMAKE_CURRENT_LIST_DIR}/weather_switch.cpp
    LIBS dq_web dq_services
    PUBLIC_LIBS dq_text dq_workbench_core)
# The generated pinyin table is compiled in, so the program needs no dictionary at run time.
target_include_directories(dq_content_weather PRIVATE ${PROJECT_SOURCE_DIR}/data/pinyin)
