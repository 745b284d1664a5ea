// loadIntoNewTree: the Load of the tree pages. A new empty tree takes the old
// one's place and reads the file; a refused file leaves no part of it behind.
#pragma once

// replace() puts a new empty tree in place of the page's tree; load() reads
// the file into it. When load throws, a second new tree replaces the partly
// read one and showEmpty() shows it, then the error goes on to the guard,
// whose box tells why.
template <typename Replace, typename Load, typename ShowEmpty>
void loadIntoNewTree(Replace&& replace, Load&& load, ShowEmpty&& showEmpty) {
    replace();
    try {
        load();
    } catch (...) {
        replace();
        showEmpty();
        throw;
    }
}
