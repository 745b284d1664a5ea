# The n-ary tree of the "NBaum" page with its current node and tree view
# mirroring (Qt-free).
add_library(tessaro_demo_ntree
  ${CMAKE_CURRENT_LIST_DIR}/ntreedemo.cpp
)
target_link_libraries(tessaro_demo_ntree PUBLIC tessaro_trees_ntree)
