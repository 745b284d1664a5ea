# Binary tree base and the tree integer element.
tessaro_gtest(test_trees_binary
  ${CMAKE_CURRENT_LIST_DIR}/bintree_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bintree_file_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/treeinteger_test.cpp
)
target_link_libraries(test_trees_binary PRIVATE tessaro_trees_binary)
