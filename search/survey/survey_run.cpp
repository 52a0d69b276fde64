#include "search/survey/survey_run.h"

#include <new>
#include <string>
#include <vector>

#include "search/kit/run_ahead.h"
#include "search/lexicon/lexicon_reader.h"
#include "search/lexicon/unspaced_words.h"
#include "search/os/command_quoting.h"
#include "search/os/output_file.h"
#include "search/os/output_names.h"
#include "search/pairs/matched_list.h"
#include "search/survey/survey.h"
#include "search/survey/survey_load_table.h"
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

// `name` with the options' suffix before its extension.
std::string NamedWith(std::string_view name, const std::string& suffix) {
  const std::size_t dot = name.rfind('.');
  std::string named(name.substr(0, dot));
  named += suffix;
  named += name.substr(dot);
  return named;
}

// The frequency of the word at a position, from the lexicon's column (an empty
// field is 0); none without the column.
std::function<double(std::size_t)> FrequenciesOf(const lexicon::WordListFile& input) {
  if (!input.columns.frequency) return {};
  return [&column = *input.columns.frequency, text = input.words.Text()](std::size_t at) {
    return lexicon::ParseFrequency(column.Of(text, at)).value_or(0.0);
  };
}

// The survey's file `name` in the output folder of `folder`, named with the options' suffix.
std::string OutputPath(const std::string& folder, std::string_view name,
                       const options::SearchOptions& options) {
  return folder + "/output/" + NamedWith(name, os::OptionsSuffix(options.NamedInFiles()));
}

}  // namespace

std::string SurveyPagePath(const std::string& folder, const options::SearchOptions& options) {
  return OutputPath(folder, kSurveyPageFile, options);
}

void RunSurvey(os::RunHost& host, const options::SearchOptions& options) {
  const std::string folder = host.ApplicationDirectory();
  const std::string word_list_path = options.input.value_or(folder + "/in.txt");
  const auto output = [&](std::string_view name) { return OutputPath(folder, name, options); };
  // What the run is doing, for the message if memory runs out.
  std::string doing = "read '" + word_list_path + "'";
  // A missing output folder, or names too long for it, show before a long count.
  os::CheckOutputFolder(output(kSurveyTableFile));
  os::CheckOutputPathLengths(
      {output(kSurveyTableFile), output(kSurveySymbolsFile), output(kSurveyContrastsFile),
       output(kSurveyPageFile), output(kSurveyLoadFile)},
      "the options make");
  try {
    host.ShowStatus(texts::kReadingStatus);
    const lexicon::WordListFile input = lexicon::ReadLexicon(word_list_path, options.reading);
    doing = "survey '" + word_list_path + "'";
    if (const auto note = lexicon::UnspacedListNote(input.words, input.encoding)) {
      host.ShowNote(*note);
    }
    const pairs::MatchedList matched(input.words, input.encoding, options);
    host.ShowStatus(texts::kSurveyCountingStatus);
    // A word is a transcription as read: a fold may make several alike.
    const lexicon::WordList* read = &matched.Words() == &input.words ? nullptr : &input.words;
    // The functional loads of the words, on a thread of their own while the survey counts.
    auto word_loads = kit::RunAhead([&] {
      return MeasureWordLoads(
          {matched.Words(), word_list_path, FrequenciesOf(input), matched.Rule()});
    });
    const Survey survey = SurveyMinimalPairs(
        matched.Words(), word_list_path,
        [&](std::size_t done, std::size_t total) {
          host.ShowStatus(texts::SurveyProgressText(done, total));
        },
        read, matched.Rule());
    const SurveyLoads loads = SurveyLoadsOf(survey, word_loads.get());
    host.ShowStatus(texts::kSurveyWritingStatus);
    WriteOutput(output(kSurveyTableFile), doing,
                [&](os::OutputFile& file) { WriteSurveyTable(survey, input.encoding, file); });
    WriteOutput(output(kSurveySymbolsFile), doing,
                [&](os::OutputFile& file) { WriteSymbolTable(survey, input.encoding, file); });
    WriteOutput(output(kSurveyContrastsFile), doing,
                [&](os::OutputFile& file) { WriteContrastTable(survey, input.encoding, file); });
    WriteOutput(output(kSurveyLoadFile), doing,
                [&](os::OutputFile& file) { WriteLoadTable(survey, loads, input.encoding, file); });
    WriteOutput(output(kSurveyPageFile), doing, [&](os::OutputFile& file) {
      WriteSurveyPage(survey, loads, {input.words, matched.Words(), input.columns}, input.encoding,
                      {os::SystemCommandPrompt(), folder}, options, file);
    });
    host.ShowMessage(texts::SurveySummaryText(survey.size(), survey.SymbolPairsWithPairs(),
                                              survey.MinimalPairs()));
  } catch (const std::bad_alloc&) {
    throw texts::SearchError("not enough memory to " + doing);
  }
}

}  // namespace search::survey
