# The preset file: the profile file model, the preset store on disk, the news choice.
dq_add_test(dq_presets_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/presets_ini_document_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/atomic_file_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/presets_store_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/presets_news_choice_test.cpp
            ${CMAKE_CURRENT_LIST_DIR}/presets_own_section_test.cpp
    LIBS dq_presets dq_test_fakes)
target_compile_definitions(dq_presets_tests PRIVATE
    DQ_PRESETS_FIXTURES="${CMAKE_CURRENT_LIST_DIR}")
