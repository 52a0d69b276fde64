#include "search/survey/survey_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>

#include "expected_texts.h"
#include "program_folder.h"
#include "recording_host.h"
#include "search/contexts/context.h"
#include "search/os/command_quoting.h"
#include "search/runs/search_run.h"
#include "search/runs/search_state.h"
#include "search/survey/survey_report.h"
#include "search/texts/search_error.h"
#include "temp_folder.h"

namespace search::survey {
namespace {

using testing_support::ProgramFolder;
using testing_support::RecordingHost;

class SurveyRunTest : public ::testing::Test {
 protected:
  // Runs and returns the error message, or "" when the run succeeded.
  std::string RunAndFail() {
    try {
      RunSurvey(host);
    } catch (const texts::SearchError& error) {
      return error.what();
    }
    return "";
  }

  ProgramFolder folder;
  RecordingHost host{folder.utf8()};
};

TEST_F(SurveyRunTest, WorkedExampleTablesByteForByte) {
  folder.Write("in.txt",
               "K AE1 T\r\nG AE1 T\r\nK OW1 T\r\nG OW1 L\r\n  B AE1 G  \r\nB AE1 K\r\n"
               "K IH1 K\r\nG IH1 K\r\nK IH1 G\r\nG IH1 G\r\n");
  ASSERT_EQ(RunAndFail(), "");
  EXPECT_EQ(folder.Output("SurveyOfMinimalPairs.tsv"),
            "\tK\tG\tAE1\tIH1\tT\tOW1\tB\tL\r\n"
            "K\t\t5\t0\t0\t0\t0\t0\t0\r\n"
            "G\t5\t\t0\t0\t0\t0\t0\t0\r\n"
            "AE1\t0\t0\t\t0\t0\t1\t0\t0\r\n"
            "IH1\t0\t0\t0\t\t0\t0\t0\t0\r\n"
            "T\t0\t0\t0\t0\t\t0\t0\t0\r\n"
            "OW1\t0\t0\t1\t0\t0\t\t0\t0\r\n"
            "B\t0\t0\t0\t0\t0\t0\t\t0\r\n"
            "L\t0\t0\t0\t0\t0\t0\t0\t\r\n");
  EXPECT_EQ(folder.Output("SurveyOfSymbols.tsv"),
            "symbol\twords\tpairs as first symbol\tpairs as second symbol\r\n"
            "K\t6\t5\t5\r\nG\t6\t5\t5\r\nAE1\t4\t1\t1\r\nIH1\t4\t0\t0\r\n"
            "T\t3\t0\t0\r\nOW1\t2\t1\t1\r\nB\t2\t0\t0\r\nL\t1\t0\t0\r\n");
  EXPECT_EQ(folder.Output("SurveyOfContrasts.tsv"),
            "first symbol\tsecond symbol\tword pairs\tfirst for second\tsecond for first\t"
            "words with first\twords with second\twords with both\r\n"
            "K\tG\t7\t5\t5\t6\t6\t2\r\nAE1\tOW1\t1\t1\t1\t4\t2\t0\r\n");
  EXPECT_EQ(folder.OutputFileCount(), 5u);
  EXPECT_EQ(host.shown,
            (std::vector<std::string>{
                std::string(testing_support::kExpectedReading),
                std::string(testing_support::kExpectedSurveyCounting),
                std::string(testing_support::kExpectedSurveyWriting),
                "message: 8 symbols, 4 ordered pairs of symbols with minimal pairs, 12 minimal "
                "pairs in all."}));
}

// A Windows-1252 list is counted on its bytes and shown decoded; tabs and
// backslashes in symbols are escaped.
TEST_F(SurveyRunTest, Windows1252ListDecodedAndEscaped) {
  folder.Write("in.txt", "caf\xE9 \x81\r\ncaf\xE9 X\\\r\nA\tB \x81\r\n");
  ASSERT_EQ(RunAndFail(), "");
  EXPECT_EQ(folder.Output("SurveyOfSymbols.tsv"),
            "symbol\twords\tpairs as first symbol\tpairs as second symbol\r\n"
            "caf\xC3\xA9\t2\t1\t1\r\n\xC2\x81\t2\t1\t1\r\nX\\\\\t1\t1\t1\r\nA\\tB\t1\t1\t1\r\n");
  const std::string page = folder.Output("SurveyOfMinimalPairs.html");
  EXPECT_NE(page.find("caf\xC3\xA9 \\u0081  \xE2\x80\x93  caf\xC3\xA9 X\\"), std::string::npos);
}

// Every symbol that a Windows-1252 list's survey shows, typed as shown, finds the
// survey's words and pairs; also those of the bytes that Windows-1252 leaves
// unassigned, which the survey shows as U+0081, U+008D and U+009D.
TEST_F(SurveyRunTest, SymbolsTypedAsShownFindTheSurveysCounts) {
  folder.Write("in.txt", "caf\xE9 \x81\r\ncaf\xE9 \x8D\r\n\x9D \x81\r\n");
  ASSERT_EQ(RunAndFail(), "");
  // The cells of a table, row by row.
  const auto rows = [](const std::string& table) {
    std::vector<std::vector<std::string>> cells;
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);) {
      line.pop_back();  // the CR
      std::istringstream fields(line);
      std::vector<std::string>& row = cells.emplace_back();
      for (std::string field; std::getline(fields, field, '\t');) row.push_back(field);
    }
    return cells;
  };
  const auto symbols = rows(folder.Output("SurveyOfSymbols.tsv"));
  const auto counts = rows(folder.Output("SurveyOfMinimalPairs.tsv"));
  ASSERT_EQ(symbols.size(), 5u);
  ASSERT_EQ(symbols[2][0], "\xC2\x81");
  const auto line_count = [](const std::string& path) {
    const std::string text = testing_support::ReadFile(testing_support::Utf8Path(path));
    return std::to_string(std::count(text.begin(), text.end(), '\n'));
  };
  for (std::size_t first = 1; first < symbols.size(); ++first) {
    for (std::size_t second = 1; second < symbols.size(); ++second) {
      if (first == second) continue;
      runs::SearchState state;
      const runs::WrittenFiles written =
          runs::RunSearch(symbols[first][0], symbols[second][0], state, host);
      EXPECT_EQ(line_count(written.first_list), symbols[first][1]) << first;
      EXPECT_EQ(line_count(written.pairs), counts[first][second]) << first << " for " << second;
    }
  }
}

// d for t has a pair, t for d none: rows are first symbols, columns second ones.
TEST_F(SurveyRunTest, RowsAreFirstSymbolsWhenCountsDiffer) {
  folder.Write("in.txt", "t a d\nd a d\n");
  ASSERT_EQ(RunAndFail(), "");
  EXPECT_EQ(folder.Output("SurveyOfMinimalPairs.tsv"),
            "\ta\td\tt\r\na\t\t0\t0\r\nd\t0\t\t1\r\nt\t0\t0\t\r\n");
  EXPECT_EQ(folder.Output("SurveyOfSymbols.tsv"),
            "symbol\twords\tpairs as first symbol\tpairs as second symbol\r\n"
            "a\t2\t0\t0\r\nd\t2\t1\t0\r\nt\t1\t0\t1\r\n");
  EXPECT_EQ(folder.Output("SurveyOfContrasts.tsv")
                .substr(folder.Output("SurveyOfContrasts.tsv").find('\n') + 1),
            "d\tt\t1\t1\t0\t2\t1\t1\r\n");
}

// A word is a distinct transcription as read: homophones are one word, shown
// with their spellings, the most frequent first where there are frequencies,
// else in the list's order; transcriptions that a fold makes alike stay apart.
TEST_F(SurveyRunTest, HomophonesAreOneWord) {
  struct Case {
    std::string name;
    std::string lexicon;
    lexicon::LexiconFormat format;
    std::string strip;
    std::string contrast;           // the row of SurveyOfContrasts.tsv
    std::vector<std::string> rows;  // of the page's list
    std::string cell;               // the start of the title of a cell
  };
  const std::string o = "\xC9\x92";           // ɒ
  const std::string ou = "\xC9\x99\xCA\x8A";  // əʊ
  const std::string to = "  \xE2\x80\x93  ";  // " – " in a title
  const std::vector<Case> cases = {
      {"tsv",
       "spelling\ttranscription\nknot\tn " + o + " t\nnot\tn " + o + " t\nnote\tn " + ou + " t\n",
       lexicon::LexiconFormat::kTsv,
       "",
       o + "\t" + ou + "\t1\t2\t2\t1\t1\t0\r\n",
       {"\r\nknot / not\tn " + o + " t\tnote\tn " + ou + " t\tn _ t\tmedial\r\n"},
       o + " for " + ou + ": 2 minimal pairs&#10;knot / not (n " + o + " t)" + to + "note (n " +
           ou + " t)&#10;\xE2\x80\xA6&#10;"},
      // A spelling written twice counts its frequencies together: 30 + 30 > 50.
      {"frequencies",
       "spelling\ttranscription\tfrequency\nnot\tn " + o + " t\t50\nknot\tn " + o +
           " t\t30\nnote\tn " + ou + " t\t1\nknot\tn " + o + " t\t30\n",
       lexicon::LexiconFormat::kTsv,
       "",
       o + "\t" + ou + "\t1\t3\t3\t1\t1\t0\r\n",
       // The rarer word's frequency ends the line.
       {"\r\nknot / not\tn " + o + " t\tnote\tn " + ou + " t\tn _ t\tmedial\t1\r\n"},
       o + " for " + ou + ": 3 minimal pairs&#10;knot / not (n " + o + " t)" + to},
      // An empty spelling is no spelling to show.
      {"empty spelling",
       "spelling\ttranscription\n\tn " + o + " t\nnot\tn " + o + " t\nnote\tn " + ou + " t\n",
       lexicon::LexiconFormat::kTsv,
       "",
       o + "\t" + ou + "\t1\t2\t2\t1\t1\t0\r\n",
       {"\r\nnot\tn " + o + " t\tnote\tn " + ou + " t\t"},
       o + " for " + ou + ": 2 minimal pairs&#10;not (n " + o + " t)" + to},
      {"cmudict",
       "NOT  N AA1 T\nKNOT  N AA1 T\nNOTE  N OW1 T\n",
       lexicon::LexiconFormat::kCmudict,
       "",
       "AA1\tOW1\t1\t2\t2\t1\t1\t0\r\n",
       {"\r\nNOT / KNOT\tN AA1 T\tNOTE\tN OW1 T\tN _ T\tmedial\r\n"},
       "AA1 for OW1: 2 minimal pairs&#10;NOT / KNOT (N AA1 T)" + to + "NOTE (N OW1 T)&#10;"},
      {"folded",
       "spelling\ttranscription\nknot\tn " + o + "\xCB\x90 t\nnot\tn " + o + " t\nnote\tn " + ou +
           " t\n",
       lexicon::LexiconFormat::kTsv,
       "\xCB\x90",  // ː
       o + "\t" + ou + "\t2\t2\t2\t2\t1\t0\r\n",
       {"\r\nknot\tn " + o + "\xCB\x90 t\tnote\tn " + ou + " t\t",
        "\r\nnot\tn " + o + " t\tnote\tn " + ou + " t\t"},
       o + " for " + ou + ": 2 minimal pairs&#10;knot (n " + o + "\xCB\x90 t)" + to + "note (n " +
           ou + " t)&#10;not (n " + o + " t)" + to + "note"},
  };
  for (const Case& c : cases) {
    folder.Write("words.txt", c.lexicon);
    options::SearchOptions options;
    options.input = folder.utf8() + "/words.txt";
    options.reading.format = c.format;
    options.strip = c.strip;
    RunSurvey(host, options);
    const std::string suffix = c.strip.empty() ? "" : " (strip " + c.strip + ")";
    const std::string table = folder.Output("SurveyOfContrasts" + suffix + ".tsv");
    EXPECT_EQ(table.substr(table.rfind('\n', table.size() - 2) + 1), c.contrast) << c.name;
    const std::string page = folder.Output("SurveyOfMinimalPairs" + suffix + ".html");
    for (const std::string& row : c.rows) {
      EXPECT_NE(page.find(row), std::string::npos) << c.name << ": " << row;
    }
    EXPECT_NE(page.find("title=\"" + c.cell), std::string::npos) << c.name << ": " << c.cell;
  }
}

// The page names the options in its title and summary, shows the words as
// read and frames them as matched.
TEST_F(SurveyRunTest, PageNamesTheOptionsAndShowsWordsAsRead) {
  struct Case {
    std::vector<contexts::Context> contexts;
    std::string strip;
    std::string title;
    std::string summary;
    std::string row;
    // The options that the commands repeat after the input and its format, names
    // and values; none when the page can show no command.
    std::optional<std::vector<std::string>> command;
  };
  const std::vector<Case> cases = {
      {{contexts::PositionContext("initial"), contexts::ParseContext("{ # x } _ AE", nullptr)},
       "12",
       " (initial; { # x } _ AE; strip 12)",
       "4 symbols, 2 ordered pairs of symbols with minimal pairs, 8 minimal pairs in all. Only "
       "the pairs whose every replaced place fits the position initial or the context "
       "{ # x } _ AE. Symbols folded: 12 stripped from every symbol before matching.",
       "\r\ncat / cot\tK AE1 T\tgat\tG AE2 T\t_ AE T\tinitial\r\n",
       {{"--position", "initial", "--context", "{ # x } _ AE", "--strip", "12"}}},
      {{contexts::ParseContext("_ AE1", nullptr)},
       "",
       " (_ AE1)",
       "5 symbols, 2 ordered pairs of symbols with minimal pairs, 4 minimal pairs in all. Only "
       "the pairs whose every replaced place fits the context _ AE1.",
       "\r\ncat / cot\tK AE1 T\tgot\tG AE1 T\t_ AE1 T\tinitial\r\n",
       {{"--context", "_ AE1"}}},
      // @V may be a class: the options do not say which file defines it.
      {{contexts::ParseContext("_ @V", nullptr)},
       "",
       " (_ @V)",
       "5 symbols, 0 ordered pairs of symbols with minimal pairs, 0 minimal pairs in all. Only "
       "the pairs whose every replaced place fits the context _ @V.",
       "<p>No two symbols make a minimal pair.</p>",
       std::nullopt},
  };
  const auto quoted = [](const std::string& text) {
    return os::QuotedFor(os::SystemCommandPrompt(), text).value();
  };
  folder.Write("words.tsv",
               "spelling\ttranscription\ncat\tK AE1 T\ngat\tG AE2 T\ncot\tK AE1 T\n"
               "got\tG AE1 T\n");
  for (const Case& c : cases) {
    options::SearchOptions options;
    options.input = folder.utf8() + "/words.tsv";
    options.reading.format = lexicon::LexiconFormat::kTsv;
    options.contexts = c.contexts;
    options.strip = c.strip;
    RunSurvey(host, options);
    const std::string page = folder.Output("SurveyOfMinimalPairs" + c.title + ".html");
    const std::string title = "Minimal pairs of every pair of symbols" + c.title;
    EXPECT_NE(page.find("<title>" + title + "</title>"), std::string::npos) << c.title;
    EXPECT_NE(page.find("<h1>" + title + "</h1>\r\n<p>" + c.summary + "</p>"), std::string::npos)
        << c.title;
    EXPECT_NE(page.find(c.row), std::string::npos) << c.title;
    if (!c.command) {
      EXPECT_NE(page.find("The folder or the options of the survey cannot be typed safely"),
                std::string::npos);
      continue;
    }
    // Appended piece by piece: GCC 12 misreads "x" + string as an overlapping copy.
    std::string command = "minpairs --dir ";
    ((command += quoted(folder.utf8())) += " --input ") += quoted(*options.input);
    (command += " --format ") += quoted("tsv");
    for (std::size_t n = 0; n < c.command->size(); n += 2) {
      (((command += ' ') += (*c.command)[n]) += ' ') += quoted((*c.command)[n + 1]);
    }
    (((command += " -- ") += quoted("K")) += ' ') += quoted("G");
    EXPECT_NE(page.find("All of them: " + EscapedForHtml(command)), std::string::npos) << command;
  }
}

TEST_F(SurveyRunTest, FailuresNameTheFileAndLeaveNoFile) {
  struct Case {
    std::string in_txt;  // none when empty
    bool output_folder;
    std::string expected;
  };
  std::string many_symbols;
  for (int n = 0; n <= 1000; ++n) many_symbols.append("S").append(std::to_string(n)).append("\n");
  const std::string in_txt = folder.utf8() + "/in.txt";
  const std::vector<Case> cases = {
      {"", true, "cannot read '" + in_txt + "': No such file or directory"},
      {std::string("K\0 \0A\0E\0\n\0G\0\n\0", 14), true,
       "cannot read '" + in_txt + "': it is UTF-16 text; save it as UTF-8 and try again"},
      {many_symbols, true,
       "cannot survey '" + in_txt +
           "': it has more than 1000 different symbols (are the symbols of each word "
           "separated by spaces?)"},
      {"K AE1 T\n", false,
       "cannot create '" + folder.utf8() + "/output/SurveyOfMinimalPairs.tsv': the folder '" +
           folder.utf8() + "/output' does not exist: create it"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(folder.path() / "in.txt");
    if (!c.in_txt.empty()) folder.Write("in.txt", c.in_txt);
    if (!c.output_folder) std::filesystem::remove(folder.path() / "output");
    host.shown.clear();
    EXPECT_EQ(RunAndFail(), c.expected);
    if (c.output_folder) {
      EXPECT_EQ(folder.OutputFileCount(), 0u);
    } else {  // found before the list is read and counted
      EXPECT_EQ(host.shown, std::vector<std::string>{});
    }
  }
}

#ifdef __linux__
// As a search's, the survey's names are checked before the list is read.
TEST_F(SurveyRunTest, OptionsThatMakeANameTooLongAreRefusedBeforeTheListIsRead) {
  folder.Write("in.txt", "K AE1 T\nG AE1 T\n");
  const std::string context = "_ " + std::string(230, 'a');
  options::SearchOptions options;
  options.contexts.push_back(contexts::ParseContext(context, nullptr));
  const std::string name = "SurveyOfMinimalPairs (" + context + ").tsv";
  try {
    RunSurvey(host, options);
    ADD_FAILURE() << "the survey ran";
  } catch (const texts::SearchError& error) {
    EXPECT_EQ(error.what(), "the options make the file name '" + name +
                                "' too long: " + std::to_string(name.size()) +
                                " bytes, where the folder allows 255");
  }
  EXPECT_TRUE(host.shown.empty());
  EXPECT_EQ(folder.OutputFileCount(), 0u);
}
#endif

TEST_F(SurveyRunTest, PageEscapesTheListAndNamesTypableCommands) {
  folder.Write("in.txt", "<b> X\n&amp; X\nit's X\na/b X\n<b> Y\nit's Y\nQ X\n\"q\" X\n");
  ASSERT_EQ(RunAndFail(), "");
  const std::string page = folder.Output("SurveyOfMinimalPairs.html");
  EXPECT_EQ(page.find("<b>"), std::string::npos);
  EXPECT_EQ(page.find("\"q\""), std::string::npos);
  EXPECT_NE(page.find("<th scope=\"row\">&quot;q&quot;<span"), std::string::npos);
  EXPECT_NE(page.find("title=\"&quot;q&quot; for &lt;b&gt;: 1 minimal pair"), std::string::npos);
  EXPECT_EQ(page.find("&amp; X"), std::string::npos);
  EXPECT_NE(page.find("&amp;amp;"), std::string::npos);
  EXPECT_NE(page.find("&lt;b&gt;"), std::string::npos);
  // it's for Q, quoted for this system's prompt, in the survey's folder, then
  // escaped for the page, which names the prompt.
  const auto command = PairsCommand({os::SystemCommandPrompt(), folder.utf8()}, "it's", "Q");
  ASSERT_NE(command, std::nullopt);
  EXPECT_NE(page.find("All of them: " + EscapedForHtml(*command) + "\">"), std::string::npos);
  EXPECT_NE(page.find("; run them in the folder where the survey ran."), std::string::npos);
  // a/b cannot be part of a file name: its cells name no command.
  const std::size_t a_b = page.find("title=\"a/b for &lt;b&gt;: 1 minimal pair");
  ASSERT_NE(a_b, std::string::npos);
  EXPECT_EQ(page.substr(a_b, page.find('"', a_b + 7) - a_b).find("minpairs"), std::string::npos);
  EXPECT_NE(page.find("<abbr title=\"not applicable\">n/a</abbr>"), std::string::npos);
  EXPECT_NE(page.find("print-color-adjust: exact"), std::string::npos);
}

// A contrast's word pairs are those of one search both ways: its command says
// so, where a cell's command searches one way.
TEST_F(SurveyRunTest, AContrastsCommandSearchesBothWays) {
  folder.Write("in.txt", "K A\nT A\nK K\n");
  ASSERT_EQ(RunAndFail(), "");
  const std::string page = folder.Output("SurveyOfMinimalPairs.html");
  const os::CommandPrompt prompt = os::SystemCommandPrompt();
  const auto quoted = [&](std::string_view text) { return os::QuotedFor(prompt, text).value(); };
  const std::string command = "minpairs --dir " + quoted(folder.utf8()) + " --both-ways -- " +
                              quoted("K") + " " + quoted("T");
  EXPECT_NE(page.find("All the word pairs. Every pair, once: <code>" + EscapedForHtml(command) +
                      "</code>"),
            std::string::npos);
  EXPECT_NE(page.find("All of them: " +
                      EscapedForHtml(PairsCommand({prompt, folder.utf8()}, "T", "K").value())),
            std::string::npos);
}

// Headers and titles show the characters that would hide or reorder text
// escaped, as messages do, and such a symbol gets no command.
TEST_F(SurveyRunTest, PageEscapesHiddenAndBidirectionalCharacters) {
  struct Case {
    std::string symbol;  // as in.txt holds it
    std::string raw;     // as the page must not hold it
    std::string shown;
    bool command;
  };
  // U+202E, U+2066, U+200F, U+2028 and ESC
  const std::string hidden = "a\xE2\x80\xAEz\xE2\x81\xA6y\xE2\x80\x8Fx\xE2\x80\xA8w\x1Bv";
  const std::vector<Case> cases = {
      {"\xCA\x83", "", "\xCA\x83", true},
      {hidden, hidden, R"(a\u202Ez\u2066y\u200Fx\u2028w\x1Bv)", false},
      {"\x81", "\xC2\x81", "\\u0081", false},  // Windows-1252
  };
  for (const Case& c : cases) {
    folder.Write("in.txt", c.symbol + " a\nT a\n");
    ASSERT_EQ(RunAndFail(), "");
    const std::string page = folder.Output("SurveyOfMinimalPairs.html");
    EXPECT_NE(page.find("<th scope=\"row\">" + c.shown + "<span"), std::string::npos) << c.shown;
    EXPECT_NE(page.find("<th scope=\"col\">" + c.shown + "<span"), std::string::npos) << c.shown;
    if (!c.raw.empty()) {
      EXPECT_EQ(page.find(c.raw), std::string::npos) << c.shown;
    }
    const std::size_t title = page.find("title=\"" + c.shown + " for T: 1 minimal pair&#10;" +
                                        c.shown + " a  \xE2\x80\x93  T a");
    ASSERT_NE(title, std::string::npos) << c.shown;
    const std::string title_text = page.substr(title, page.find('"', title + 7) - title);
    EXPECT_EQ(title_text.find("All of them: minpairs") != std::string::npos, c.command) << c.shown;
  }
}

}  // namespace
}  // namespace search::survey
