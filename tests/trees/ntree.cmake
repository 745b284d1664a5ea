# General tree with numbered children.
tessaro_gtest(test_trees_ntree
  ${CMAKE_CURRENT_LIST_DIR}/ntree_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ntree_file_test.cpp
)
target_link_libraries(test_trees_ntree PRIVATE tessaro_trees_ntree)
