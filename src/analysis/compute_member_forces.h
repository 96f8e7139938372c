// The member-force step of a run: each member's matrix P is read back from "work1.txt" and
// applied to the member's end displacements, giving N1, Q1, M1, N2, Q2, M2 in local axes,
// written to "work2.txt" in t and t·cm; the four maxima of the analysis store are collected.
#pragma once

// Throws RunError when "work1.txt" is missing or short, "work2.txt" cannot be written, or an
// operation overflows at a member.
void ComputeMemberForces();
