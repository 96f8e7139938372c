// The printout of an analysis as an A4 PDF, painted by Qt: a title block (the model file's title
// and name, the date), the model's tables, the run's tables, then the five views two to a page
// with the text each shows beside it. Tables break between rows and repeat their title and
// headings on the next page; every page has its number. Text is IPAGothic, embedded, so it can be
// searched and copied; the views are drawn as vectors through the drawing surface. Needs a Qt
// GUI application.
#pragma once

#include <string>

#include "paper/paper_document.h"

// The PDF bytes of the document and its page count; false when Qt cannot produce them.
bool PaintAnalysisPdf(const PaperDocument& document, std::string& pdf, int& pages);
