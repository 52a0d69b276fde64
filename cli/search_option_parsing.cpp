#include "cli/search_option_parsing.h"

#include "search/contexts/context.h"
#include "search/contexts/context_error.h"
#include "search/contexts/fold.h"
#include "search/contexts/places.h"
#include "search/lexicon/lexicon_format.h"
#include "search/lexicon/transcription.h"
#include "search/texts/class_texts.h"
#include "search/texts/encoding.h"
#include "search/texts/message_text.h"

namespace cli {
namespace {

// Takes the value of a lexicon option; false with a usage error for a bad one.
bool TakeLexiconOption(std::string_view option, const std::string& value,
                       search::pairs::SearchOptions& search, std::string& error) {
  std::string shown = "'";  // appended: GCC 12 misreads "'" + text as an overlapping copy
  (shown += search::texts::EscapedForMessage(value)) += '\'';
  if (option == "--input") {
    search.input = value;
  } else if (option == "--format") {
    const auto format = search::lexicon::LexiconFormatNamed(value);
    if (!format) {
      error = "unknown format " + shown + "; use plain, tsv or cmudict";
      return false;
    }
    search.reading.format = *format;
  } else if (option == "--min-frequency") {
    const auto threshold = search::lexicon::ParseFrequency(value);
    if (!threshold) {
      error = "--min-frequency needs a non-negative decimal number such as 3 or 2.5, got " + shown;
      return false;
    }
    search.reading.min_frequency = search::lexicon::FrequencyThreshold{*threshold, value};
  } else if (value == "frequency") {
    search.sort_by_frequency = true;
    search.reading.needs_frequency = true;
  } else {
    error = "unknown order " + shown + "; --sort takes frequency";
    return false;
  }
  return true;
}

}  // namespace

bool IsSearchOption(std::string_view argument) {
  return argument == "--input" || argument == "--format" || argument == "--min-frequency" ||
         argument == "--sort" || argument == "--context" || argument == "--position" ||
         argument == "--strip" || argument == "--classes";
}

bool TakeSearchOption(std::string_view option, const std::string& value,
                      SearchOptionArguments& arguments, std::string& error) {
  if (option == "--context" || option == "--position") {
    arguments.places.push_back({option == "--position", value});
    return true;
  }
  if (option == "--strip") {
    arguments.search.strip = value;
    return true;
  }
  if (option == "--classes") {
    arguments.classes_file = value;
    return true;
  }
  return TakeLexiconOption(option, value, arguments.search, error);
}

bool CheckSearchOptions(const SearchOptionArguments& arguments, bool survey,
                        const std::vector<std::string>& symbols, std::string& error) {
  const search::pairs::SearchOptions& search = arguments.search;
  const search::lexicon::LexiconReading& reading = search.reading;
  // Frequencies come only from a tsv lexicon's column.
  const char* needing = reading.min_frequency      ? "--min-frequency"
                        : search.sort_by_frequency ? "--sort frequency"
                                                   : nullptr;
  if (needing != nullptr && reading.format != search::lexicon::LexiconFormat::kTsv) {
    error =
        std::string(needing) + " needs --format tsv: frequencies come from its 'frequency' column";
    return false;
  }
  if (survey && search.sort_by_frequency) {
    error = "--sort frequency orders a search's pairs; the survey has none to order";
    return false;
  }
  if (!arguments.places.empty()) {
    for (const std::string& symbol : symbols) {
      if (search::lexicon::TrimSpaces(symbol).empty()) {
        error = "--context and --position need two symbols that are not empty";
        return false;
      }
    }
  }
  return true;
}

std::optional<ClassPair> ClassesNamed(const std::vector<std::string>& symbols,
                                      const search::contexts::ClassTable* classes) {
  if (classes == nullptr || symbols.size() != 2) return std::nullopt;
  std::vector<const std::vector<std::string>*> named;
  for (const std::string& symbol : symbols) {
    const std::string_view name = search::lexicon::TrimSpaces(symbol);
    named.push_back(name.starts_with('@') ? classes->Find(name.substr(1)) : nullptr);
  }
  if (named[0] == nullptr && named[1] == nullptr) return std::nullopt;
  for (std::size_t at = 0; at < 2; ++at) {
    if (named[at] == nullptr) {
      throw search::contexts::ContextError(
          "'" + std::string(search::lexicon::TrimSpaces(symbols[1 - at])) + "' is a class of '" +
          classes->path() + "' and '" + std::string(search::lexicon::TrimSpaces(symbols[at])) +
          "' is not: contrast two classes or two symbols");
    }
  }
  ClassPair pair{{std::string(search::lexicon::TrimSpaces(symbols[0])), *named[0]},
                 {std::string(search::lexicon::TrimSpaces(symbols[1])), *named[1]}};
  if (pair.first.symbols.size() != pair.second.symbols.size()) {
    throw search::contexts::ContextError(search::texts::ClassSizesDifferText(
        pair.first.name, pair.first.symbols.size(), pair.second.name, pair.second.symbols.size()));
  }
  return pair;
}

void ParsePlaces(SearchOptionArguments& arguments, const search::contexts::ClassTable* classes,
                 const std::vector<std::string>& symbols) {
  std::vector<search::contexts::Context>& contexts = arguments.search.contexts;
  contexts.clear();
  for (const SearchOptionArguments::Place& place : arguments.places) {
    contexts.push_back(place.position ? search::contexts::PositionContext(place.text)
                                      : search::contexts::ParseContext(place.text, classes));
  }
  if (arguments.search.strip.empty()) return;
  // The fold must leave something of every symbol the run matches; UTF-8 folds
  // the most, so what passes here passes in any list's encoding.
  const search::contexts::Fold fold(arguments.search.strip, search::texts::TextEncoding::kUtf8);
  (void)search::contexts::PlaceRule(contexts, search::texts::TextEncoding::kUtf8, &fold);
  for (const std::string& symbol : symbols) {
    if (!fold.FoldSymbol(search::lexicon::PadTranscription(symbol))) {
      throw search::contexts::ContextError("--strip '" + arguments.search.strip +
                                           "' leaves nothing of the symbol '" +
                                           std::string(search::lexicon::TrimSpaces(symbol)) + "'");
    }
  }
}

}  // namespace cli
