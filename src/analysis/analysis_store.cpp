#include "analysis_store.h"

AnalysisStore analysisStore;
