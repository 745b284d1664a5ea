# The B-tree demonstration: step texts, drawing coordinates, redraw flag.
tessaro_gtest(test_demo_bayer
  ${CMAKE_CURRENT_LIST_DIR}/bayertreedemo_test.cpp
)
target_link_libraries(test_demo_bayer PRIVATE tessaro_demo_bayer)
