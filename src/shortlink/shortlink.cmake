# The short-link interface list and the conversion of news links through the selected
# interface, over the request engine and the JSON reader: widget-free.
dq_add_library(dq_shortlink
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/short_link.cpp ${CMAKE_CURRENT_LIST_DIR}/interface_list.cpp
    LIBS dq_web_request dq_json dq_services
    PUBLIC_LIBS dq_workbench_core dq_text)
