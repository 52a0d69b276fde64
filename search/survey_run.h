#pragma once

#include "search/run_host.h"

namespace search {

// A contrast survey as one run: reads in.txt from the host's folder as a search
// does and writes SurveyOfMinimalPairs.tsv, SurveyOfSymbols.tsv and
// SurveyOfMinimalPairs.html into output/, then reports the summary through
// ShowMessage. Throws SearchError on any failure; a file that could not be
// written in full is removed.
void RunSurvey(RunHost& host);

}  // namespace search
