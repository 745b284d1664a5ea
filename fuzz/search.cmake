# Loaders of ".tdt" images into a TSearchTree and of ".adt" images into a
# TAvlTree, with the search tree and AVL checks.
tessaro_fuzz(searchtree_fuzz ${CMAKE_CURRENT_LIST_DIR}/searchtree_fuzz.cpp tessaro_trees_search)
tessaro_fuzz(avltree_fuzz ${CMAKE_CURRENT_LIST_DIR}/avltree_fuzz.cpp tessaro_trees_search)
