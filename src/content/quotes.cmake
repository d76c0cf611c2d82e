find_package(Qt6 REQUIRED COMPONENTS Core)

# The daily quotes: the two quote libraries, embedded as Qt resources, and the draw, header
# and quote block built on them.
dq_add_library(dq_content_quotes
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/quotes.cpp ${PROJECT_SOURCE_DIR}/data/quotes/quotes.qrc
    LIBS Qt6::Core
    PUBLIC_LIBS dq_workbench_core dq_text)
set_target_properties(dq_content_quotes PROPERTIES AUTORCC ON)
