# The B-tree demonstration (Qt-free).
add_library(tessaro_demo_bayer
  ${CMAKE_CURRENT_LIST_DIR}/bayertreedemo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bayerdisplay.cpp
)
target_link_libraries(tessaro_demo_bayer PUBLIC tessaro_trees_bayer tessaro_demo_trees)
