// The stiffness step of a run: every member's matrix P goes to "work1.txt" (36 lines per member,
// row by row) and its contribution Kₑ is added into the global stiffness in member order.
#pragma once

// Expects a sized, zero-filled analysis store and resolved member indices. Throws RunError for a
// member of zero length, an overflow at a member, or a "work1.txt" that cannot be written.
void AssembleStiffness();
