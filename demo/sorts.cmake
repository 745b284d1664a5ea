# The list display, the element texts and the animated list sorts (Qt-free).
add_library(tessaro_demo_sorts
  ${CMAKE_CURRENT_LIST_DIR}/elementtext.cpp
  ${CMAKE_CURRENT_LIST_DIR}/listdisplay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sortstage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/listdemo.cpp
)
target_link_libraries(tessaro_demo_sorts PUBLIC tessaro_linear)
