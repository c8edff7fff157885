// Makes large allocations of the GUI test program fail, as when memory runs
// out in the middle of a long series.
#pragma once

#include <cstddef>

// From now on every allocation of at least seuil bytes throws
// std::bad_alloc; 0 lets every allocation through again.
void echoue_allocations(std::size_t seuil);
