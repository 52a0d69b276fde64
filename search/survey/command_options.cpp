#include "search/survey/command_options.h"

namespace search::survey {

bool IsPosition(std::string_view context_text) {
  return context_text == "initial" || context_text == "medial" || context_text == "final";
}

std::optional<std::vector<CommandOption>> CommandOptions(const pairs::SearchOptions& options) {
  std::vector<CommandOption> named;
  if (options.input) named.emplace_back("--input", *options.input);
  if (options.reading.format == lexicon::LexiconFormat::kTsv) named.emplace_back("--format", "tsv");
  if (options.reading.format == lexicon::LexiconFormat::kCmudict) {
    named.emplace_back("--format", "cmudict");
  }
  if (options.reading.min_frequency) {
    named.emplace_back("--min-frequency", options.reading.min_frequency->typed);
  }
  for (const contexts::Context& context : options.contexts) {
    const std::string_view text = context.text;
    if (text.starts_with('@') || text.find(" @") != std::string_view::npos) return std::nullopt;
    named.emplace_back(IsPosition(text) ? "--position" : "--context", context.text);
  }
  if (!options.strip.empty()) named.emplace_back("--strip", options.strip);
  return named;
}

}  // namespace search::survey
