#pragma once

#include <functional>

#include "search/lexicon/word_list_reader.h"
#include "search/pairs/run_host.h"
#include "search/survey/contrasts.h"

namespace search::survey {

// The spellings of a list once read; an empty function for none.
using SpellingsOf = std::function<Spellings(const lexicon::WordListFile& list)>;

// A contrast survey as one run: reads in.txt from the host's folder as a search
// does and writes SurveyOfMinimalPairs.tsv, SurveyOfSymbols.tsv,
// SurveyOfContrasts.tsv and SurveyOfMinimalPairs.html into output/, then
// reports the summary through ShowMessage. Words are told apart by the
// spellings that `spellings_of` gives too. Throws SearchError on any failure; a
// file that could not be written in full is removed.
void RunSurvey(pairs::RunHost& host, const SpellingsOf& spellings_of = {});

}  // namespace search::survey
