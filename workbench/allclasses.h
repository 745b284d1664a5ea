// registerAllClasses: fills the class registry with every class whose name a
// structure file of the workbench may hold: the value classes, the lists, the
// stack and queue, the display strings, the binary, AVL, B- and n-ary trees
// and the list of the "Liste" page. The program, tessaro-inspect and the
// fuzz targets all start with it, so they accept exactly the same files.
#pragma once

// Safe to call more than once (the registry keeps one entry per class).
void registerAllClasses();
