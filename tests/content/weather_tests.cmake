# The weather report's pure parts: pinyin table, city slug, header and switch.
dq_add_test(dq_weather_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/pinyin_table_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/weather_slug_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/weather_switch_test.cpp
    LIBS dq_content_weather dq_test_fakes)
