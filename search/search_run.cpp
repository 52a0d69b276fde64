#include "search/search_run.h"

#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "search/output_file.h"
#include "search/output_names.h"
#include "search/pair_search.h"
#include "search/platform.h"
#include "search/search_error.h"
#include "search/search_symbol.h"
#include "search/status_texts.h"
#include "search/transcription.h"
#include "search/word_list_reader.h"

namespace search {
namespace {

std::string CharacterName(unsigned char character) {
  char name[16];
  if (character < 0x20 || character == 0x7F) {
    std::snprintf(name, sizeof name, "U+%04X", character);
  } else {
    std::snprintf(name, sizeof name, "'%c'", character);
  }
  return name;
}

// Writes every word that contains `symbol` to `path`, one padded word per line,
// and records its position in `list`. `status`, if any, is shown once the file is open.
void WriteSymbolList(const std::string& path, const SearchSymbol& symbol, SearchState& state,
                     std::vector<std::int32_t>& list, std::int32_t& count, RunHost& host,
                     const char* status) {
  OutputFile file(path);
  if (status != nullptr) host.ShowStatus(status);
  if (symbol.Match) {
    const std::string counted = "words with" + symbol.Shown;
    state.Words.ForEachContaining(*symbol.Match, [&](std::size_t j) {
      IncrementCount(count, counted);
      list.push_back(static_cast<std::int32_t>(j));
      file.WriteLine(state.Words[j]);
    });
  }
  file.Close();
}

}  // namespace

void CheckSymbolForFileName(std::string_view trimmed_symbol, const char* which) {
  for (const char character : trimmed_symbol) {
    const auto byte = static_cast<unsigned char>(character);
    const bool control = byte < 0x20 || byte == 0x7F;
    if (control || ForbiddenFileNameCharacters().find(character) != std::string_view::npos) {
      throw SearchError("the " + std::string(which) + " symbol '" + std::string(trimmed_symbol) +
                        "' cannot be part of a file name: it contains " + CharacterName(byte));
    }
  }
}

WrittenFiles RunSearch(std::string_view first_text, std::string_view second_text,
                       SearchState& state, RunHost& host) {
  const std::string first_name(TrimSpaces(first_text));
  const std::string second_name(TrimSpaces(second_text));
  CheckSymbolForFileName(first_name, "first");
  CheckSymbolForFileName(second_name, "second");

  const std::string folder = host.ApplicationDirectory();
  const std::string output = folder + "/output/";
  const std::string word_list_path = folder + "/in.txt";
  const std::string first_list_path = output + "ListOfWordsWith " + first_name + ".txt";
  const std::string second_list_path = output + "ListOfWordsWith " + second_name + ".txt";
  const std::string pairs_path = output + "VendrelFor" + first_name + "And" + second_name + ".txt";
  CheckOutputPathLengths(first_list_path, second_list_path, pairs_path, first_name != second_name);
  // What the run is doing, for the message if memory runs out.
  std::string doing = "read '" + word_list_path + "'";
  WrittenFiles written{first_list_path, second_list_path, pairs_path};
  try {
    host.ShowStatus(kReadingStatus);
    const TextEncoding encoding = ReadWordList(word_list_path, state);
    const SearchSymbol first = MakeSearchSymbol(first_text, encoding);
    const SearchSymbol second = MakeSearchSymbol(second_text, encoding);

    doing = "write '" + first_list_path + "'";
    WriteSymbolList(first_list_path, first, state, state.FirstList, state.FirstCount, host,
                    kMakingListsStatus.data());
    written.SecondList =
        SecondListPath(first_list_path, second_list_path, first_name != second_name);
    written.SecondListDerived = written.SecondList != second_list_path;
    doing = "write '" + written.SecondList + "'";
    WriteSymbolList(written.SecondList, second, state, state.SecondList, state.SecondCount, host,
                    nullptr);

    host.ShowMessage(SummaryText(state.FirstCount, first.Shown, state.SecondCount, second.Shown));
    host.ShowStatus(kBegunSearchStatus);

    doing = "write '" + pairs_path + "'";
    OutputFile pairs_file(pairs_path);
    FindPairs(state, first, second, pairs_file, host);
    pairs_file.Close();
  } catch (const std::bad_alloc&) {
    throw SearchError("not enough memory to " + doing);
  }
  host.ShowStatus(kDoneStatus);
  return written;
}

}  // namespace search
