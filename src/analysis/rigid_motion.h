// Whether the supports hold the structure as a whole. A rigid motion (u = a − θ·y, v = b + θ·x
// and the same rotation θ at every node) strains no member, so when every support allows one
// the supported system is singular whatever the sections, and rounding alone decides how small
// its pivots come out. The solution step refuses such a model before it solves.
#pragma once

// True when the model has nodes and some rigid motion other than rest meets every restraint of
// the support table: no u restrained anywhere, no v restrained anywhere, or a rotation about one
// point left free (no θ restrained, every restrained u at one height, every restrained v at one
// abscissa). Coordinates are compared exactly, as the member lengths take them.
bool SupportsAllowRigidMotion();
