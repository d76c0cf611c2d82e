# Shared settings for the project's own targets: strict warnings, treated as errors.
function(dq_strict target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                           -Wno-sign-conversion -Werror)
    # GCC 12 reports false -Wrestrict overlaps inside std::string at -O3 (GCC bug 105329).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-error=restrict)
    endif()
endfunction()

# dq_add_library(name SOURCES ... [LIBS ...]) — a subsystem library rooted at src/.
function(dq_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PUBLIC_LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_LIBS})
    dq_strict(${name})
endfunction()
