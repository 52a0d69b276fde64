#include "search/survey/survey_run.h"

#include <new>
#include <string>
#include <vector>

#include "search/lexicon/lexicon_reader.h"
#include "search/os/command_quoting.h"
#include "search/os/output_file.h"
#include "search/os/output_names.h"
#include "search/pairs/matched_list.h"
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

// `name` with the options' suffix before its extension.
std::string NamedWith(std::string_view name, const std::string& suffix) {
  const std::size_t dot = name.rfind('.');
  std::string named(name.substr(0, dot));
  named += suffix;
  named += name.substr(dot);
  return named;
}

// What tells copies of a folded transcription apart: the words as read, which
// a fold may make equal, each with its spelling. Kept in one text.
class ReadWordKeys final {
 public:
  ReadWordKeys(const lexicon::WordList& read, const Spellings& spellings) {
    ends_.reserve(read.size());
    for (std::size_t word = 0; word < read.size(); ++word) {
      if (spellings) (text_ += spellings(static_cast<std::int32_t>(word))) += '\n';
      text_ += read.Trimmed(word);  // a line break is in no field
      ends_.push_back(text_.size());
    }
  }
  [[nodiscard]] std::string_view Of(std::int32_t word) const {
    const auto at = static_cast<std::size_t>(word);
    const std::size_t start = at == 0 ? 0 : ends_[at - 1];
    return std::string_view(text_).substr(start, ends_[at] - start);
  }

 private:
  std::string text_;
  std::vector<std::size_t> ends_;
};

}  // namespace

void RunSurvey(os::RunHost& host, const options::SearchOptions& options) {
  const std::string folder = host.ApplicationDirectory();
  const std::string word_list_path = options.input.value_or(folder + "/in.txt");
  const std::string suffix = os::OptionsSuffix(options.NamedInFiles());
  const auto output = [&](std::string_view name) {
    return folder + "/output/" + NamedWith(name, suffix);
  };
  // What the run is doing, for the message if memory runs out.
  std::string doing = "read '" + word_list_path + "'";
  // A missing output folder, or names too long for it, show before a long count.
  os::CheckOutputFolder(output(kSurveyTableFile));
  os::CheckOutputPathLengths({output(kSurveyTableFile), output(kSurveySymbolsFile),
                              output(kSurveyContrastsFile), output(kSurveyPageFile)},
                             "the options make");
  try {
    host.ShowStatus(texts::kReadingStatus);
    const lexicon::WordListFile input = lexicon::ReadLexicon(word_list_path, options.reading);
    doing = "survey '" + word_list_path + "'";
    const pairs::MatchedList matched(input.words, input.encoding, options);
    Spellings spellings;
    if (input.columns.spelling) {
      spellings = [&column = *input.columns.spelling, text = input.words.Text()](std::int32_t at) {
        return column.Of(text, static_cast<std::size_t>(at));
      };
    }
    std::optional<ReadWordKeys> keys;
    if (&matched.Words() != &input.words) keys.emplace(input.words, spellings);
    host.ShowStatus(texts::kSurveyCountingStatus);
    const Survey survey = SurveyMinimalPairs(
        matched.Words(), word_list_path,
        [&](std::size_t done, std::size_t total) {
          host.ShowStatus(texts::SurveyProgressText(done, total));
        },
        keys ? Spellings([&](std::int32_t at) { return keys->Of(at); }) : spellings,
        matched.Rule());
    host.ShowStatus(texts::kSurveyWritingStatus);
    WriteOutput(output(kSurveyTableFile), doing,
                [&](os::OutputFile& file) { WriteSurveyTable(survey, input.encoding, file); });
    WriteOutput(output(kSurveySymbolsFile), doing,
                [&](os::OutputFile& file) { WriteSymbolTable(survey, input.encoding, file); });
    WriteOutput(output(kSurveyContrastsFile), doing,
                [&](os::OutputFile& file) { WriteContrastTable(survey, input.encoding, file); });
    WriteOutput(output(kSurveyPageFile), doing, [&](os::OutputFile& file) {
      WriteSurveyPage(survey, {input.words, matched.Words(), spellings}, input.encoding,
                      {os::SystemCommandPrompt(), folder}, options, file);
    });
    host.ShowMessage(texts::SurveySummaryText(survey.size(), survey.SymbolPairsWithPairs(),
                                              survey.MinimalPairs()));
  } catch (const std::bad_alloc&) {
    throw texts::SearchError("not enough memory to " + doing);
  }
}

}  // namespace search::survey
