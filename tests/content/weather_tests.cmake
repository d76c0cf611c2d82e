# The weather report's pure parts: pinyin table, city slug, header, detail line and switch.
dq_add_test(dq_weather_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/pinyin_table_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/weather_slug_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/weather_detail_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/weather_switch_test.cpp
    LIBS dq_content_weather dq_test_fakes)

# The preview and the range line against the loopback stand-in for the weather site.
dq_add_test(dq_weather_web_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/weather_preview_test.cpp
    LIBS dq_content_weather dq_test_fakes dq_test_server)
target_compile_definitions(dq_weather_web_tests
    PRIVATE DQ_WEATHER_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/fixtures/weather")
