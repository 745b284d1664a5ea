// The n-ary tree's nodes in pre-order with their levels, as the "NBaum"
// page's picture draws them. Qt-free.
#pragma once

#include <vector>

#include "workbench/structurepicture.h"

class TNtree;

// Every node, children in child order; iterative. The children lists'
// cursors end where they were.
std::vector<structurepicture::OutlineNode> ntreeOutline(TNtree& tree);
