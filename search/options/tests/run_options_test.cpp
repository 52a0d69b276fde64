#include "search/options/run_options.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "program_folder.h"
#include "recording_host.h"
#include "search/options/request_reading.h"
#include "search/os/output_names.h"
#include "search/runs/prepared_run.h"

namespace search::options {
namespace {

// The request a command line makes, its places parsed as a run parses them.
runs::PreparedRun Prepared(const std::vector<std::string>& arguments) {
  RunRequest request;
  std::string error;
  EXPECT_TRUE(ReadRequest(arguments, request, error)) << error;
  return runs::PrepareRun(std::move(request));
}

std::string CommandOf(const SearchOptions& options) {
  const auto command = CommandOptions(options);
  if (!command) return "(none)";
  std::string text;
  for (const auto& [name, value] : *command) {
    if (!text.empty()) text += ' ';
    text += name;
    if (!value.empty()) (text += ' ') += value;
  }
  return text;
}

TEST(RunOptions, EveryOptionIsReadListedInTheHelpAndDocumentedInTheManual) {
  std::ifstream file(MINPAIRS_SOURCE_DIR "/docs/manual.md");
  std::stringstream manual;
  manual << file.rdbuf();
  const std::string help = HelpText();
  for (const RunOption& option : RunOptions()) {
    EXPECT_EQ(FindRunOption(option.name), &option);
    if (!option.short_name.empty()) {
      EXPECT_EQ(FindRunOption(option.short_name), &option);
    }
    // Appended: GCC 12 misreads "`" + text as an overlapping copy.
    EXPECT_NE(help.find(std::string("  ").append(option.name)), std::string::npos) << option.name;
    EXPECT_NE(manual.str().find(std::string("`").append(option.name)), std::string::npos)
        << option.name << " is not in docs/manual.md";
  }
  EXPECT_EQ(FindRunOption("--frequency"), nullptr);  // a value of --sort is no option

  // Every code span of the manual that starts with "--" names an option of the table.
  const std::string text = manual.str();
  for (std::size_t at = text.find("`--"); at != std::string::npos; at = text.find("`--", at + 1)) {
    const std::size_t end = text.find_first_of("` =", at + 1);
    const std::string name = text.substr(at + 1, end - at - 1);
    EXPECT_NE(FindRunOption(name), nullptr) << "docs/manual.md names " << name;
  }
}

// Each option that changes which words take part: where it stands in the file
// names, how a character no file name holds is written there, and how the
// survey page's command repeats it.
struct NamingCase {
  std::vector<std::string> arguments;
  std::string suffix;
  std::string command;
  std::string lists_suffix = suffix;  // the word lists'
};

const std::vector<NamingCase> kNamingCases = {
    {{"--survey"}, "", ""},
    {{"--survey", "--input", "words.tsv", "--format", "tsv"}, "", "--input words.tsv --format tsv"},
    {{"--survey", "--format", "cmudict"}, "", "--format cmudict"},
    {{"--survey", "--format", "plain"}, "", ""},
    {{"--survey", "--context", "# _"}, " (# _)", "--context # _"},
    {{"--survey", "--position", "final", "--context", "_ AE1"},
     " (final; _ AE1)",
     "--position final --context _ AE1"},
    {{"--survey", "--strip", "012"}, " (strip 012)", "--strip 012"},
    {{"--survey", "--format", "tsv", "--min-frequency", "2.5"},
     " (min-frequency 2.5)",
     "--format tsv --min-frequency 2.5"},
    // Given in any order, named contexts first, then the fold, then the threshold.
    {{"--survey", "--min-frequency", "3", "--strip", "ː", "--format", "tsv", "--position",
      "initial"},
     " (initial; strip ː; min-frequency 3)",
     "--format tsv --min-frequency 3 --position initial --strip ː"},
    {{"--survey", "--context", "_ a:b"}, " (_ aU+003Ab)", "--context _ a:b"},
    {{"--survey", "--context", "_ { \\/ x }"}, " (_ { U+005CU+002F x })", "--context _ { \\/ x }"},
    {{"--survey", "--strip", "*?"}, " (strip U+002AU+003F)", "--strip *?"},
    {{"K", "G", "--format", "tsv", "--sort", "frequency"}, "", "--format tsv"},
    // The lexicon's layout and splitting change no name; commands repeat them as given.
    {{"--survey", "--format", "tsv", "--columns", "Transcription = IPA, spelling=Word"},
     "",
     "--format tsv --columns transcription=IPA,spelling=Word"},
    {{"--survey", "--no-header", "--format", "tsv", "--columns", "spelling,-,transcription"},
     "",
     "--format tsv --columns spelling,-,transcription --no-header"},
    {{"--survey", "--strip", "ˈˌ.", "--segments", "my segments.txt"},
     " (strip ˈˌ.)",
     "--segments my segments.txt --strip ˈˌ."},
    {{"K", "G", "--segments", "auto"}, "", "--segments auto"},
    // Both ways names the pairs file only, last; the word lists are the same.
    {{"K", "G", "--both-ways"}, " (both ways)", "--both-ways", ""},
    // A practice sheet changes no name: it is named as the pairs file is.
    {{"K", "G", "--sheet", "--position", "initial"}, " (initial)", "--position initial"},
    {{"--both-ways", "--strip", "012", "K", "G", "--position", "initial"},
     " (initial; strip 012; both ways)",
     "--position initial --strip 012 --both-ways",
     " (initial; strip 012)"},
    // The rule names the pairs file only, after every option that changes which
    // words take part and before both ways; the default is unnamed.
    {{"K", "G", "--rule", "one-place", "--format", "tsv", "--min-frequency", "3", "--context",
      "# _"},
     " (# _; min-frequency 3; one-place)",
     "--format tsv --min-frequency 3 --context # _",
     " (# _; min-frequency 3)"},
    {{"K", "G", "--rule", "same-difference"}, " (same-difference)", "", ""},
    {{"K", "G", "--rule", "every-place", "--both-ways"}, " (both ways)", "--both-ways", ""},
};

TEST(RunOptions, NameTheFilesAndRepeatInThePagesCommandsInTheTablesOrder) {
  for (const NamingCase& c : kNamingCases) {
    const runs::PreparedRun run = Prepared(c.arguments);
    EXPECT_EQ(os::OptionsSuffix(run.request.search.NamedInFiles()), c.suffix) << c.arguments[1];
    EXPECT_EQ(os::OptionsSuffix(run.request.search.NamedInWordLists()), c.lists_suffix)
        << c.arguments[1];
    EXPECT_EQ(CommandOf(run.request.search), c.command) << c.arguments[1];
  }
}

TEST(RunOptions, APageCommandCannotRepeatAContextThatMayNameAClass) {
  SearchOptions options;
  options.contexts.push_back({"@vowel _", {}, {}});
  EXPECT_EQ(CommandOf(options), "(none)");
}

// Requests refused before anything is read, with their usage errors.
struct RefusedCase {
  std::vector<std::string> arguments;
  std::string error;
};

const std::vector<RefusedCase> kRefused = {
    {{"--context", "# _", "", "G"}, "--context and --position need two symbols that are not empty"},
    {{"--position", "initial", "K", " "},
     "--context and --position need two symbols that are not empty"},
    {{"--min-frequency", "3", "K", "G"},
     "--min-frequency needs --format tsv: frequencies come from its 'frequency' column"},
    {{"--format", "cmudict", "--sort", "frequency", "K", "G"},
     "--sort frequency needs --format tsv: frequencies come from its 'frequency' column"},
    {{"--survey", "--format", "tsv", "--sort", "frequency"},
     "--sort frequency orders a search's pairs; the survey has none to order"},
    {{"--survey", "--both-ways"},
     "--both-ways pairs a search's words one way and the other; the survey's contrasts count "
     "both ways already"},
    {{"--survey", "--sheet"},
     "--sheet prints a search's pairs; the survey page prints the practice sheet of each "
     "contrast from its row"},
    {{"--sort", "rarity", "K", "G"}, "unknown order 'rarity'; --sort takes frequency"},
    {{"--format", "csv", "K", "G"}, "unknown format 'csv'; use plain, tsv or cmudict"},
    {{"--format", "tsv", "--min-frequency", "1e3", "K", "G"},
     "--min-frequency needs a non-negative decimal number such as 3 or 2.5, got '1e3'"},
    {{"--strip"}, "--strip needs a value"},
    {{"--segments"}, "--segments needs a value"},
    {{"--columns", "transcription=IPA", "K", "G"},
     "--columns needs --format tsv: it names a tsv lexicon's columns"},
    {{"--format", "cmudict", "--no-header", "K", "G"},
     "--no-header needs --format tsv: only a tsv lexicon has a header"},
    {{"--format", "tsv", "--no-header", "K", "G"},
     "--no-header needs --columns to list the columns in order, such as --columns "
     "spelling,transcription"},
    {{"--format", "tsv", "--no-header", "--columns", "transcription=IPA", "K", "G"},
     "--no-header takes --columns as the roles in order, such as spelling,transcription, not "
     "'transcription=IPA'"},
    {{"--format", "tsv", "--columns", "spelling,transcription", "K", "G"},
     "--columns names each role's column, such as transcription=IPA; 'spelling' alone lists the "
     "columns in order, which only --no-header takes"},
    {{"--format", "tsv", "--columns", "spelling=IPA,transcription=ipa ", "K", "G"},
     "--columns names the column 'ipa' for both 'spelling' and 'transcription'"},
    {{"--format", "tsv", "--no-header", "--columns", "spelling,-", "K", "G"},
     "--columns lists no transcription column"},
    {{"--format", "tsv", "--no-header", "--columns", "transcription", "--sort", "frequency", "K",
      "G"},
     "--columns lists no frequency column to sort or filter by"},
    {{"--format", "tsv", "--columns", "word=IPA", "K", "G"},
     "unknown role 'word' in --columns; the roles are transcription, spelling, frequency and "
     "gloss"},
    {{"K", "G", "--dir", ""}, "--dir needs a folder"},
    {{"--survey", "K"}, "--survey takes no symbols, got 1"},
    {{"--", "--survey"}, "expected two symbols, got 1"},
    {{"--frequency", "K", "G"}, "unknown option '--frequency'"},
    {{"--survey", "--rule", "one-place"},
     "--rule chooses the pairs a search lists; the survey counts every rule in "
     "SurveyOfFunctionalLoad.tsv"},
    {{"--rule", "minimal", "K", "G"},
     "unknown rule 'minimal'; use every-place, one-place or same-difference"},
    {{"--rule", "one-place", "K AE1", "T"},
     "--rule one-place pairs whole symbols, and 'K AE1' is not one"},
    {{"--rule", "same-difference", "K", " "},
     "--rule same-difference pairs whole symbols, and '' is not one"},
    {{"--both-ways", "--rule", "one-place", "K", "G"},
     "--both-ways goes with --rule every-place only: one-place pairs are found both ways already"},
};

TEST(RunOptions, RefuseRequestsThatCannotRun) {
  for (const RefusedCase& c : kRefused) {
    RunRequest request;
    std::string error;
    EXPECT_FALSE(ReadRequest(c.arguments, request, error)) << c.error;
    EXPECT_EQ(error, c.error);
  }
}

TEST(RunOptions, HelpAndVersionEndTheReadingWhereTheyStand) {
  RunRequest request;
  std::string error;
  EXPECT_TRUE(ReadRequest({"--survey", "-h", "--frobnicate"}, request, error)) << error;
  EXPECT_EQ(request.action, Action::kHelp);
  EXPECT_FALSE(ReadRequest({"--frobnicate", "--version"}, request, error));
}

TEST(RunOptions, AFoldThatEmptiesATypedSymbolIsAUsageError) {
  try {
    (void)Prepared({"--strip", "12", "K", "1"});
    ADD_FAILURE() << "the fold left nothing of '1'";
  } catch (const contexts::ContextError& error) {
    EXPECT_STREQ(error.what(), "--strip '12' leaves nothing of the symbol '1'");
  }
}

// The fold applies to the typed symbols as to the words: AE1 and IH0 match
// AE2 and IH1 when the digits are stripped.
TEST(RunOptions, StripFoldsTheTypedSymbolsAsWellAsTheWords) {
  const testing_support::ProgramFolder folder("K AE2 T\nK IH1 T\nS IH1 T\n");
  testing_support::RecordingHost host(folder.utf8());
  runs::SearchState state;
  (void)runs::Run(Prepared({"--dir", folder.utf8(), "--strip", "012", "AE1", "IH0"}), host, state);
  EXPECT_EQ(folder.Output("VendrelForAE1AndIH0 (strip 012).txt"), "K AE2 T\tK IH1 T\r\n");
  EXPECT_EQ(folder.Output("ListOfWordsWith IH0 (strip 012).txt"), " K IH1 T \r\n S IH1 T \r\n");
}

}  // namespace
}  // namespace search::options
