# Step driver and the search tree and AVL tree demonstrations (Qt-free).
add_library(tessaro_demo_trees
  ${CMAKE_CURRENT_LIST_DIR}/stepdriver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/treenumber.cpp
  ${CMAKE_CURRENT_LIST_DIR}/treeanimation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/searchtreedemo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/avltreedemo.cpp
)
target_link_libraries(tessaro_demo_trees PUBLIC tessaro_trees_search)
