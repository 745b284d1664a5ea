# Step driver and the search tree and AVL tree demonstrations.
tessaro_gtest(test_demo_searchtrees
  ${CMAKE_CURRENT_LIST_DIR}/stepdriver_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/searchtreedemo_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/avltreedemo_test.cpp
)
target_link_libraries(test_demo_searchtrees PRIVATE tessaro_demo_trees)
