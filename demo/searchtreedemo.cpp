#include "demo/searchtreedemo.h"

#include "elements/errors.h"
#include "elements/platform.h"
#include "trees/treeinteger.h"

const ClassInfo TSearchTreeDemo::info{"TSearchTreeDemo", &TSearchTree::info, nullptr};

void TSearchTreeDemo::writeLevels(TextOutput& memo) const {
    memo.setText("");
    writePlanes(memo);
}

void TSearchTreeDemo::newPlane(TextOutput& out) const { out.addLine(""); }

void TSearchTreeDemo::load(TReader& reader) {
    TSearchTree::load(reader);
    // One class throughout is checked already; the root tells which.
    if (root && !root->getValue()->sameClass(TTreeInteger())) {
        root.reset();
        throw FileError(kNotPageNumbersFile);
    }
}
