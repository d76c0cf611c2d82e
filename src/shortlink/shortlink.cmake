# The short-link conversion that the news extraction calls for each link.
dq_add_library(dq_shortlink
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/short_link.cpp
    PUBLIC_LIBS dq_text)
