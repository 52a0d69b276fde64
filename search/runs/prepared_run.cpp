#include "search/runs/prepared_run.h"

#include "search/contexts/context.h"
#include "search/contexts/context_error.h"
#include "search/contexts/fold.h"
#include "search/contexts/places.h"
#include "search/lexicon/transcription.h"
#include "search/os/output_file.h"
#include "search/survey/survey_run.h"
#include "search/texts/class_texts.h"
#include "search/texts/encoding.h"

namespace search::runs {
namespace {

// Parses the contexts and positions into the request's search options and
// checks that the fold leaves something of them and of every symbol matched.
void ParsePlaces(options::RunRequest& request, const contexts::ClassTable* classes,
                 const std::vector<std::string>& matched) {
  std::vector<contexts::Context>& parsed = request.search.contexts;
  parsed.clear();
  for (const options::PlaceArgument& place : request.places) {
    parsed.push_back(place.position ? contexts::PositionContext(place.text)
                                    : contexts::ParseContext(place.text, classes));
  }
  const std::string& strip = request.search.strip;
  if (strip.empty()) return;
  // UTF-8 folds the most, so what passes here passes in any list's encoding.
  const contexts::Fold fold(strip, texts::TextEncoding::kUtf8);
  (void)contexts::PlaceRule(parsed, texts::TextEncoding::kUtf8, &fold);
  for (const std::string& symbol : matched) {
    if (!fold.FoldSymbol(lexicon::PadTranscription(symbol))) {
      throw contexts::ContextError("--strip '" + strip + "' leaves nothing of the symbol '" +
                                   std::string(lexicon::TrimSpaces(symbol)) + "'");
    }
  }
}

}  // namespace

std::optional<ClassPair> ClassesNamed(const std::vector<std::string>& symbols,
                                      const contexts::ClassTable* classes) {
  if (classes == nullptr || symbols.size() != 2) return std::nullopt;
  std::vector<const std::vector<std::string>*> named;
  for (const std::string& symbol : symbols) {
    const std::string_view name = lexicon::TrimSpaces(symbol);
    named.push_back(name.starts_with('@') ? classes->Find(name.substr(1)) : nullptr);
  }
  if (named[0] == nullptr && named[1] == nullptr) return std::nullopt;
  for (std::size_t at = 0; at < 2; ++at) {
    if (named[at] == nullptr) {
      throw contexts::ContextError("'" + std::string(lexicon::TrimSpaces(symbols[1 - at])) +
                                   "' is a class of '" + classes->path() + "' and '" +
                                   std::string(lexicon::TrimSpaces(symbols[at])) +
                                   "' is not: contrast two classes or two symbols");
    }
  }
  ClassPair pair{{std::string(lexicon::TrimSpaces(symbols[0])), *named[0]},
                 {std::string(lexicon::TrimSpaces(symbols[1])), *named[1]}};
  if (pair.first.symbols.size() != pair.second.symbols.size()) {
    throw contexts::ContextError(texts::ClassSizesDifferText(
        pair.first.name, pair.first.symbols.size(), pair.second.name, pair.second.symbols.size()));
  }
  return pair;
}

PreparedRun PrepareRun(options::RunRequest request) {
  PreparedRun run;
  if (request.classes_file) run.classes = contexts::ReadClassFile(*request.classes_file);
  const contexts::ClassTable* classes = run.classes ? &*run.classes : nullptr;
  run.class_pair = ClassesNamed(request.symbols, classes);
  std::vector<std::string> matched = request.symbols;
  if (run.class_pair) {  // the fold must leave something of every symbol of the classes
    matched = run.class_pair->first.symbols;
    matched.insert(matched.end(), run.class_pair->second.symbols.begin(),
                   run.class_pair->second.symbols.end());
  }
  ParsePlaces(request, classes, matched);
  run.request = std::move(request);
  return run;
}

std::optional<WrittenFiles> Run(const PreparedRun& run, os::RunHost& host, SearchState& state) {
  const options::RunRequest& request = run.request;
  if (request.action == options::Action::kSurvey) {
    // A list given alone may lie where no output folder has been made yet.
    if (request.file_alone) os::MakeOutputFolder(host.ApplicationDirectory() + "/output");
    survey::RunSurvey(host, request.search);
    return std::nullopt;
  }
  if (run.class_pair) {
    return RunClassSearch(run.class_pair->first, run.class_pair->second, state, host,
                          request.search);
  }
  return RunSearch(request.symbols[0], request.symbols[1], state, host, request.search);
}

}  // namespace search::runs
