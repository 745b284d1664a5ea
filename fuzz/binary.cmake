# Loader of ".tdt" images into a plain TBinTree.
tessaro_fuzz(bintree_fuzz ${CMAKE_CURRENT_LIST_DIR}/bintree_fuzz.cpp tessaro_trees_binary)
