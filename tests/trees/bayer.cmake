# B-tree of order 2: operations, file layout, random sequences.
tessaro_gtest(test_trees_bayer
  ${CMAKE_CURRENT_LIST_DIR}/bayertree_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bayertree_file_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bayertree_random_test.cpp
)
target_link_libraries(test_trees_bayer PRIVATE tessaro_trees_bayer)
