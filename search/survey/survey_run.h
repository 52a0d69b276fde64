#pragma once

#include <string>

#include "search/options/search_options.h"
#include "search/os/run_host.h"

namespace search::survey {

// A contrast survey as one run: reads the word list as a search with `options`
// does (FOLDER/in.txt or the input file, in its format, above the threshold),
// counts on the folded words within the contexts, and writes
// SurveyOfMinimalPairs.tsv, SurveyOfSymbols.tsv, SurveyOfContrasts.tsv,
// SurveyOfFunctionalLoad.tsv and SurveyOfMinimalPairs.html into output/, named
// with the options' suffix; then reports the summary through ShowMessage. A
// word is a distinct transcription as read: homophones are one word, shown
// with their spellings joined. Throws SearchError on any failure; a file that
// could not be written in full is removed.
void RunSurvey(os::RunHost& host, const options::SearchOptions& options = {});

// The page that RunSurvey writes for the folder `folder` with `options`.
std::string SurveyPagePath(const std::string& folder, const options::SearchOptions& options);

}  // namespace search::survey
