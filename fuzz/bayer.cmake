# Loader of ".bdt" images into a TBayerTree (general and TInteger keys).
tessaro_fuzz(bayertree_fuzz ${CMAKE_CURRENT_LIST_DIR}/bayertree_fuzz.cpp tessaro_trees_bayer)
