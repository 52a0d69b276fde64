#pragma once

#include "search/pairs/run_host.h"

namespace search::survey {

// A contrast survey as one run: reads in.txt from the host's folder as a search
// does and writes SurveyOfMinimalPairs.tsv, SurveyOfSymbols.tsv and
// SurveyOfMinimalPairs.html into output/, then reports the summary through
// ShowMessage. Throws SearchError on any failure; a file that could not be
// written in full is removed.
void RunSurvey(pairs::RunHost& host);

}  // namespace search::survey
