// What follows the support table in the model file. Up to the first keyword it is free text,
// looked through only for support records beyond the count and for keywords written otherwise;
// from there on every line is a keyword, a record of the table the last keyword began, or empty,
// and each record stands whole on its one line.
#pragma once

#include "model.h"
#include "model_text_reader.h"
#include "read_warnings.h"

// Reads on from the last support record to the end of the file, filling the model's keyword
// tables and noting what it warns of. Throws a ModelFileFailure that names its line, table,
// record and field. The tables before must have been read: a load along a member is checked
// against the member's length, a spring or settlement against the supports of its node.
void ReadKeywordTables(ModelTextReader& reader, Model& model, ReadWarnings& warnings);
