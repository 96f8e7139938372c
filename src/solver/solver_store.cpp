#include "solver_store.h"

SolverStore solverStore;
