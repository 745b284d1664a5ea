#include "demo/searchtreedemo.h"

#include "elements/errors.h"
#include "elements/platform.h"
#include "trees/treeinteger.h"

const ClassInfo TSearchTreeDemo::info{"TSearchTreeDemo", &TSearchTree::info, nullptr};

void TSearchTreeDemo::writeLevels(TextOutput& memo) {
    memo.setText("");
    TextOutput* previous = TTreeInteger::setLevelOutput(&memo);
    try {
        writePlanes();
    } catch (...) {
        TTreeInteger::setLevelOutput(previous);
        throw;
    }
    TTreeInteger::setLevelOutput(previous);
}

void TSearchTreeDemo::newPlane() {
    if (TextOutput* memo = TTreeInteger::levelOutput()) {
        memo->addLine("");
    }
}

void TSearchTreeDemo::load(TReader& reader) {
    TSearchTree::load(reader);
    // One class throughout is checked already; the root tells which.
    if (root && !root->getValue()->sameClass(TTreeInteger())) {
        root.reset();
        throw FileError(kNotPageNumbersFile);
    }
}
