#include "search/runs/run_steps.h"

#include "search/lexicon/lexicon_reader.h"
#include "search/os/output_names.h"

namespace search::runs {

RunPaths PathsFor(const std::string& folder, std::string_view first_name,
                  std::string_view second_name, const options::SearchOptions& options) {
  const std::string output = folder + "/output/";
  const std::string suffix = os::OptionsSuffix(options.NamedInFiles()) + ".txt";
  const std::string lists_suffix = os::OptionsSuffix(options.NamedInWordLists()) + ".txt";
  const auto list_path = [&](std::string_view name) {
    return output + "ListOfWordsWith " + std::string(name) + lists_suffix;
  };
  os::CheckSymbolForFileName(first_name, "first");
  os::CheckSymbolForFileName(second_name, "second");
  RunPaths paths{
      options.input.value_or(folder + "/in.txt"), list_path(first_name), list_path(second_name),
      output + "VendrelFor" + std::string(first_name) + "And" + std::string(second_name) + suffix};
  os::CheckOutputPathLengths(paths.first_list, paths.second_list, paths.pairs,
                             first_name != second_name);
  return paths;
}

texts::TextEncoding ReadWords(const std::string& path, const lexicon::LexiconReading& reading,
                              SearchState& state) {
  lexicon::WordListFile list = lexicon::ReadLexicon(path, reading);
  state.WordCount = CheckedCount(list.words.size(), "lines in '" + path + "'");
  state.Words = std::move(list.words);
  state.columns = std::move(list.columns);
  return list.encoding;
}

void WriteList(os::OutputFile& file, const lexicon::WordList& words,
               const std::vector<std::int32_t>& positions) {
  for (const std::int32_t position : positions) file.WriteLine(" ", words.Trimmed(position), " ");
  file.Close();
}

void WriteListTable(const std::string& list_path, const pairs::LexiconView& lexicon,
                    const std::vector<std::int32_t>& positions) {
  if (!lexicon.columns.Any()) return;
  const std::string path = os::TablePath(list_path);
  Writing(path, [&] {
    os::OutputFile file(path);
    pairs::WriteWordTable(file, lexicon, positions);
  });
}

WrittenFiles NameWrittenFiles(const RunPaths& paths, bool symbols_differ) {
  WrittenFiles written{paths.first_list,
                       os::SecondListPath(paths.first_list, paths.second_list, symbols_differ),
                       paths.pairs};
  written.second_list_derived = written.second_list != paths.second_list;
  return written;
}

}  // namespace search::runs
