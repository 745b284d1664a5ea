// TreePlace: where the demonstrations draw a node. The geometry matches what
// TBinTree::paint draws with root (W div 2, 10), level step 30, line offset 10
// and spread W div 2, so a blinking number lands on the redrawn one.
#pragma once

#include "trees/treeobserver.h"

struct TreePlace {
    int x = 0;  // the number's top-left corner
    int y = 0;
    int spread = 0;   // a child stands spread div 2 to the left or right
    int parentX = 0;  // the root is its own parent
    int parentY = 0;

    // The root's place on an image of the given width.
    static TreePlace root(int imageWidth) {
        const int half = imageWidth / 2;
        return TreePlace{half, 10, half, half, 10};
    }
    // The place of a child on the given side.
    TreePlace child(Side side) const {
        const int h = spread / 2;
        return TreePlace{side == Side::left ? x - h : x + h, y + 30, h, x, y};
    }
    // The place at the end of path from the root.
    static TreePlace at(const TreePath& path, int imageWidth) {
        TreePlace place = root(imageWidth);
        for (Side side : path) place = place.child(side);
        return place;
    }
};
