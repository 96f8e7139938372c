// How far a long loop over the rows of a matrix has come: the eliminations and the solver's trace
// tell it the rows done so far, and it may end the loop by throwing (a run the user stops).
#pragma once

#include <cstddef>

class RowProgress {
 public:
  virtual void Advance(size_t rowsDone) = 0;

 protected:
  ~RowProgress() = default;
};
