// Resolves the user numbers that members, loads, supports and the records of the keyword tables
// (loads along members, hinges, springs, settlements) refer to into table positions of the model,
// stopping at the first that does not resolve with a message that names it: the record, its line
// in the file, the field and the number the file does not define.
#pragma once

#include "model.h"

// True when every reference resolved; false after the message has been shown.
bool CheckModelReferences(Model& model);
