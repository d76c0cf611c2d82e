# The picture composer: the export without widgets, the window on the offscreen platform, the
# web view's band, and the late loading of Qt WebEngine.
find_package(Qt6 REQUIRED COMPONENTS Test WebEngineCore WebEngineWidgets)
find_package(JPEG REQUIRED)

add_library(dq_test_jpeg STATIC ${CMAKE_CURRENT_LIST_DIR}/decoded_jpeg.cpp)
target_include_directories(dq_test_jpeg PUBLIC ${DQ_TESTS_DIR})
target_link_libraries(dq_test_jpeg PUBLIC Qt6::Gui PRIVATE JPEG::JPEG)
dq_strict(dq_test_jpeg)

dq_add_test(dq_picture_export_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/jpeg_encoder_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/new_file_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/picture_export_test.cpp
    LIBS dq_picture_export dq_test_jpeg)

set(DQ_LIFE_PAGE_VIEW_DIR "DQ_LIFE_PAGE_VIEW_DIR=\"${CMAKE_BINARY_DIR}/src/workbench\"")

# Links Qt WebEngine itself: the tests route and watch the web view's requests.
dq_add_test(dq_picture_window_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/picture_window_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/life_page_band_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/picture_post_test.cpp
    LIBS dq_picture dq_appearance dq_test_jpeg dq_test_fakes dq_test_server
         Qt6::Test Qt6::WebEngineCore)
target_compile_definitions(dq_picture_window_tests PRIVATE ${DQ_LIFE_PAGE_VIEW_DIR}
    DQ_WEATHER_FIXTURES="${DQ_TESTS_DIR}/content/fixtures/weather")

# Must not link Qt WebEngine: it checks that the program loads it only when needed.
dq_add_test(dq_web_engine_loading_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/web_engine_loading_test.cpp
    LIBS dq_workbench)
target_compile_definitions(dq_web_engine_loading_test PRIVATE ${DQ_LIFE_PAGE_VIEW_DIR})
