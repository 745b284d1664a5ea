# Element texts, the list display and the animated list sorts: step texts and
# memo images per step, results against reference sorts, termination.
tessaro_gtest(test_demo_sorts
  ${CMAKE_CURRENT_LIST_DIR}/elementtext_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/listdemo_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/listdemo_random_test.cpp
)
target_link_libraries(test_demo_sorts PRIVATE tessaro_demo_sorts)
