// Counts the heap allocations of this test program, so that a test can show
// that code meant for the generator's inner loop allocates nothing.
#pragma once

// Allocations made so far by the calling thread.
long allocations_faites();
