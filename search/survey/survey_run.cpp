#include "search/survey/survey_run.h"

#include <new>
#include <string>

#include "search/lexicon/word_list_reader.h"
#include "search/os/command_quoting.h"
#include "search/os/output_file.h"
#include "search/survey/survey.h"
#include "search/survey/survey_report.h"
#include "search/texts/search_error.h"
#include "search/texts/status_texts.h"

namespace search::survey {
namespace {

template <typename Write>
void WriteOutput(const std::string& path, std::string& doing, Write&& write) {
  doing = "write '" + path + "'";
  os::OutputFile file(path);
  write(file);
  file.Close();
}

}  // namespace

void RunSurvey(pairs::RunHost& host, const SpellingsOf& spellings_of) {
  const std::string folder = host.ApplicationDirectory();
  const std::string word_list_path = folder + "/in.txt";
  const std::string output = folder + "/output/";
  // What the run is doing, for the message if memory runs out.
  std::string doing = "read '" + word_list_path + "'";
  // A missing output folder shows before a long count, not after it.
  os::CheckOutputFolder(output + std::string(kSurveyTableFile));
  try {
    host.ShowStatus(texts::kReadingStatus);
    const lexicon::WordListFile input = lexicon::ReadWordList(word_list_path);
    doing = "survey '" + word_list_path + "'";
    const Spellings spellings = spellings_of ? spellings_of(input) : Spellings();
    host.ShowStatus(texts::kSurveyCountingStatus);
    const Survey survey = SurveyMinimalPairs(
        input.words, word_list_path,
        [&](std::size_t done, std::size_t total) {
          host.ShowStatus(texts::SurveyProgressText(done, total));
        },
        spellings);
    host.ShowStatus(texts::kSurveyWritingStatus);
    WriteOutput(output + std::string(kSurveyTableFile), doing,
                [&](os::OutputFile& file) { WriteSurveyTable(survey, input.encoding, file); });
    WriteOutput(output + std::string(kSurveySymbolsFile), doing,
                [&](os::OutputFile& file) { WriteSymbolTable(survey, input.encoding, file); });
    WriteOutput(output + std::string(kSurveyContrastsFile), doing,
                [&](os::OutputFile& file) { WriteContrastTable(survey, input.encoding, file); });
    WriteOutput(output + std::string(kSurveyPageFile), doing, [&](os::OutputFile& file) {
      WriteSurveyPage(survey, input.words, input.encoding, {os::SystemCommandPrompt(), folder},
                      file, spellings);
    });
    host.ShowMessage(texts::SurveySummaryText(survey.size(), survey.SymbolPairsWithPairs(),
                                              survey.MinimalPairs()));
  } catch (const std::bad_alloc&) {
    throw texts::SearchError("not enough memory to " + doing);
  }
}

}  // namespace search::survey
