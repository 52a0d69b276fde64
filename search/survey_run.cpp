#include "search/survey_run.h"

#include <new>
#include <string>

#include "search/output_file.h"
#include "search/search_error.h"
#include "search/status_texts.h"
#include "search/survey.h"
#include "search/survey_report.h"
#include "search/word_list_reader.h"

namespace search {
namespace {

template <typename Write>
void WriteOutput(const std::string& path, std::string& doing, Write&& write) {
  doing = "write '" + path + "'";
  OutputFile file(path);
  write(file);
  file.Close();
}

}  // namespace

void RunSurvey(RunHost& host) {
  const std::string folder = host.ApplicationDirectory();
  const std::string word_list_path = folder + "/in.txt";
  const std::string output = folder + "/output/";
  // What the run is doing, for the message if memory runs out.
  std::string doing = "read '" + word_list_path + "'";
  try {
    host.ShowStatus(kReadingStatus);
    const WordListFile input = ReadWordList(word_list_path);
    doing = "survey '" + word_list_path + "'";
    host.ShowStatus(kSurveyCountingStatus);
    const Survey survey =
        SurveyMinimalPairs(input.words, word_list_path, [&](std::size_t done, std::size_t total) {
          host.ShowStatus(SurveyProgressText(done, total));
        });
    host.ShowStatus(kSurveyWritingStatus);
    WriteOutput(output + std::string(kSurveyTableFile), doing,
                [&](OutputFile& file) { WriteSurveyTable(survey, input.encoding, file); });
    WriteOutput(output + std::string(kSurveySymbolsFile), doing,
                [&](OutputFile& file) { WriteSymbolTable(survey, input.encoding, file); });
    WriteOutput(output + std::string(kSurveyPageFile), doing, [&](OutputFile& file) {
      WriteSurveyPage(survey, input.words, input.encoding, file);
    });
    host.ShowMessage(
        SurveySummaryText(survey.size(), survey.SymbolPairsWithPairs(), survey.MinimalPairs()));
  } catch (const std::bad_alloc&) {
    throw SearchError("not enough memory to " + doing);
  }
}

}  // namespace search
