find_package(PkgConfig REQUIRED)
pkg_check_modules(PCRE2 REQUIRED IMPORTED_TARGET libpcre2-8)

# The regular-expression service every scraper uses: PCRE2 in UTF mode with JIT, set up for
# the ECMAScript dialect, over GBK Text.
dq_add_library(dq_services
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/regex_service.cpp
            ${CMAKE_CURRENT_LIST_DIR}/pcre2_pattern.cpp
            ${CMAKE_CURRENT_LIST_DIR}/gbk_subject.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ecmascript_syntax.cpp
    LIBS PkgConfig::PCRE2
    PUBLIC_LIBS dq_text)
