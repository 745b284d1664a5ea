# Loader of ".ndt" images into a TNtree.
tessaro_fuzz(ntree_fuzz ${CMAKE_CURRENT_LIST_DIR}/ntree_fuzz.cpp tessaro_trees_ntree)
