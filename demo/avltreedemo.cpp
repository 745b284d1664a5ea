#include "demo/avltreedemo.h"

#include "demo/searchtreedemo.h"
#include "elements/errors.h"
#include "trees/treeinteger.h"

const ClassInfo TAvlTreeDemo::info{"TAvlTreeDemo", &TAvlTree::info, nullptr};

void TAvlTreeDemo::load(TReader& reader) {
    TAvlTree::load(reader);
    if (root && !root->getValue()->sameClass(TTreeInteger())) {
        root.reset();
        throw FileError(kNotPageNumbersFile);
    }
}
