#include "workbench/allclasses.h"

#include <mutex>

#include "elements/base.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/listdemo.h"
#include "linear/liste.h"
#include "trees/avltree.h"
#include "trees/bayertree.h"
#include "trees/ntree.h"

void registerAllClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        registerElementClasses();
        registerListClasses();
        registerQueueClasses();
        registerDisplayStringClasses();
        registerAvlTreeClasses();
        registerListDemoClasses();
        registerBayerTreeClasses();
        registerNtreeClasses();
    });
}
