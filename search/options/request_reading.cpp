#include "search/options/request_reading.h"

#include <algorithm>

#include "search/lexicon/column_roles.h"
#include "search/lexicon/transcription.h"
#include "search/options/file_alone.h"
#include "search/options/run_options.h"
#include "search/texts/message_text.h"

namespace search::options {
namespace {

bool Given(const RunRequest& request, std::string_view name) {
  return std::ranges::find(request.given, name) != request.given.end();
}

bool CheckOptionsTaken(const RunRequest& request, std::string& error) {
  const bool survey = request.action == Action::kSurvey;
  for (const RunOption& option : RunOptions()) {
    if (!Given(request, option.name)) continue;
    // Frequencies come only from a tsv lexicon's column.
    if (!option.needs_frequency_column.empty() &&
        request.search.reading.format != lexicon::LexiconFormat::kTsv) {
      error = std::string(option.needs_frequency_column) +
              " needs --format tsv: frequencies come from its 'frequency' column";
      return false;
    }
    if (!option.needs_tsv.empty() &&
        request.search.reading.format != lexicon::LexiconFormat::kTsv) {
      error = option.needs_tsv;
      return false;
    }
  }
  for (const RunOption& option : RunOptions()) {
    if (survey && Given(request, option.name) && (option.runs & kSurveyRun) == 0) {
      error = option.refusal;
      return false;
    }
  }
  return true;
}

// --columns names each role's column in a header, or lists the roles in order
// without one; two roles cannot share a column.
bool CheckColumns(const lexicon::LexiconReading& reading, std::string& error) {
  if (reading.no_header && reading.columns.empty()) {
    error =
        "--no-header needs --columns to list the columns in order, such as --columns "
        "spelling,transcription";
    return false;
  }
  bool transcription = false;
  bool frequency = false;
  for (std::size_t at = 0; at < reading.columns.size(); ++at) {
    const lexicon::ColumnChoice& choice = reading.columns[at];
    const std::string role(choice.role ? lexicon::NameOf(*choice.role) : "-");
    if (reading.no_header && choice.named) {
      error =
          "--no-header takes --columns as the roles in order, such as spelling,transcription, "
          "not '" +
          role + "=" + choice.name + "'";
      return false;
    }
    if (!reading.no_header && !choice.named) {
      error = "--columns names each role's column, such as transcription=IPA; '" + role +
              "' alone lists the columns in order, which only --no-header takes";
      return false;
    }
    transcription = transcription || choice.role == lexicon::ColumnRole::kTranscription;
    frequency = frequency || choice.role == lexicon::ColumnRole::kFrequency;
    for (std::size_t earlier = 0; earlier < at && choice.named; ++earlier) {
      const lexicon::ColumnChoice& other = reading.columns[earlier];
      if (lexicon::HeaderKey(other.name) != lexicon::HeaderKey(choice.name)) continue;
      error = "--columns names the column '" + choice.name + "' for both '" +
              std::string(lexicon::NameOf(*other.role)) + "' and '" + role + "'";
      return false;
    }
  }
  if (reading.no_header && !transcription) {
    error = "--columns lists no transcription column";
    return false;
  }
  if (reading.no_header && !frequency && (reading.min_frequency || reading.needs_frequency)) {
    error = "--columns lists no frequency column to sort or filter by";
    return false;
  }
  return true;
}

}  // namespace

bool CheckRequest(const RunRequest& request, std::string& error) {
  if (!CheckOptionsTaken(request, error)) return false;
  if (!CheckColumns(request.search.reading, error)) return false;
  if (!request.places.empty()) {
    for (const std::string& symbol : request.symbols) {
      if (lexicon::TrimSpaces(symbol).empty()) {
        error = "--context and --position need two symbols that are not empty";
        return false;
      }
    }
  }
  if (request.search.rule != PairRule::kEveryPlace) {
    if (request.search.both_ways) {
      error = "--both-ways goes with --rule every-place only: " +
              std::string(PairRuleName(request.search.rule)) + " pairs are found both ways already";
      return false;
    }
    for (const std::string& symbol : request.symbols) {
      const std::string_view trimmed = lexicon::TrimSpaces(symbol);
      if (trimmed.empty() || trimmed.find(' ') != std::string_view::npos) {
        error = "--rule " + std::string(PairRuleName(request.search.rule)) +
                " pairs whole symbols, and '" + texts::EscapedForMessage(trimmed) + "' is not one";
        return false;
      }
    }
  }
  if (request.action == Action::kSurvey) {
    if (request.symbols.empty()) return true;
    error = "--survey takes no symbols, got " + std::to_string(request.symbols.size());
    return false;
  }
  if (request.symbols.size() != 2) {
    error = "expected two symbols, got " + std::to_string(request.symbols.size());
    return false;
  }
  return true;
}

bool ReadRequest(const std::vector<std::string>& arguments, RunRequest& request,
                 std::string& error) {
  if (const auto survey = FileAloneArguments(arguments)) {
    request.file_alone = true;
    return ReadRequest(*survey, request, error);
  }
  bool only_symbols = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (only_symbols || argument.empty() || argument.front() != '-' || argument == "-") {
      request.symbols.push_back(argument);
      continue;
    }
    const RunOption* option = FindRunOption(argument);
    if (option == nullptr) {
      error = "unknown option '" + texts::EscapedForMessage(argument) + "'";
      return false;
    }
    if (option->take == nullptr) {  // "--": what follows are symbols
      only_symbols = true;
      continue;
    }
    std::string value;
    if (!option->argument.empty()) {
      if (++i == arguments.size() || arguments[i].empty()) {
        error = argument + " needs " + std::string(option->needs);
        return false;
      }
      value = arguments[i];
    }
    if (!option->take(request, value, error)) return false;
    if (!Given(request, option->name)) request.given.emplace_back(option->name);
    if (request.action == Action::kHelp || request.action == Action::kVersion) return true;
  }
  return CheckRequest(request, error);
}

}  // namespace search::options
