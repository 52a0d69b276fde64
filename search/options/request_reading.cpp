#include "search/options/request_reading.h"

#include <algorithm>

#include "search/lexicon/transcription.h"
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
  }
  for (const RunOption& option : RunOptions()) {
    if (survey && Given(request, option.name) && (option.runs & kSurveyRun) == 0) {
      error = option.refusal;
      return false;
    }
  }
  return true;
}

}  // namespace

bool CheckRequest(const RunRequest& request, std::string& error) {
  if (!CheckOptionsTaken(request, error)) return false;
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
