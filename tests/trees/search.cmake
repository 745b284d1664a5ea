# Search tree and AVL tree.
tessaro_gtest(test_trees_search
  ${CMAKE_CURRENT_LIST_DIR}/searchtree_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/searchtree_file_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/avltree_test.cpp
)
target_link_libraries(test_trees_search PRIVATE tessaro_trees_search)
