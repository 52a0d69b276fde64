// --sheet: a search's pairs as a practice sheet beside its files, cards by the
// rarer word's frequency, the transcriptions standing for the words of a plain
// list, and a class run's pairs of symbols a section each.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_folder.h"
#include "recording_host.h"
#include "search/options/request_reading.h"
#include "search/runs/prepared_run.h"
#include "search/runs/search_state.h"

namespace search::runs {
namespace {

using testing_support::ProgramFolder;
using testing_support::RecordingHost;

struct SheetCase {
  std::string name;
  std::string lexicon;
  std::vector<std::string> arguments;
  std::string sheet_file;
  std::string title;              // of the page
  std::vector<std::string> body;  // the lines between <body> and </body>
};

std::string Word(const std::string& spelled, const std::string& transcription) {
  return R"(<div><span class="spelled">)" + spelled + "</span>" +
         (transcription.empty() ? "" : R"(<span class="sounds">)" + transcription + "</span>") +
         R"(<span class="picture"></span></div>)";
}

std::string Card(const std::string& first, const std::string& second) {
  return R"(<div class="card">)" + first + second + "</div>";
}

const std::string kLexicon =
    "spelling\ttranscription\tfrequency\n"
    "cat\tk a t\t50\n"
    "gat\tg a t\t2\n"
    "cot\tk o t\t90\n"
    "got\tg o t\t80\n"
    "back\tb a k\t40\n"
    "bag\tb a g\t7\n"
    "<kit>\tk i t\t\n"
    "git\tg i t\t300\n";

const std::vector<SheetCase> kCases = {
    // cot/got (80), back/bag (7), cat/gat (2), <kit>/git (an empty frequency, 0);
    // spellings escaped for the page.
    {"spelled, by frequency",
     kLexicon,
     {"--format", "tsv", "k", "g"},
     "VendrelForkAndg.html",
     "k – g",
     {"<section class=\"sheet\"><h1>k – g</h1><div class=\"cards\">",
      Card(Word("cot", "k o t"), Word("got", "g o t")),
      Card(Word("back", "b a k"), Word("bag", "b a g")),
      Card(Word("cat", "k a t"), Word("gat", "g a t")),
      Card(Word("&lt;kit&gt;", "k i t"), Word("git", "g i t")), "</div></section>"}},
    // The options that change which words take part title the sheet and name it.
    {"positioned",
     kLexicon,
     {"--format", "tsv", "--position", "final", "k", "g"},
     "VendrelForkAndg (final).html",
     "k – g (final)",
     {"<section class=\"sheet\"><h1>k – g (final)</h1><div class=\"cards\">",
      Card(Word("back", "b a k"), Word("bag", "b a g")), "</div></section>"}},
    {"plain list, in the list's order",
     "k a t\ng a t\nk o t\ng o t\n",
     {"k", "g"},
     "VendrelForkAndg.html",
     "k – g",
     {"<section class=\"sheet\"><h1>k – g</h1><div class=\"cards\">",
      Card(Word("k a t", ""), Word("g a t", "")), Card(Word("k o t", ""), Word("g o t", "")),
      "</div></section>"}},
    // A class run: a section for each pair of symbols, each from a new page.
    {"class run",
     kLexicon,
     {"--format", "tsv", "--classes", "classes.txt", "@voiceless", "@voiced"},
     "VendrelFor@voicelessAnd@voiced.html",
     "k – g",
     {"<section class=\"sheet\"><h1>k – g</h1><div class=\"cards\">",
      Card(Word("cot", "k o t"), Word("got", "g o t")),
      Card(Word("back", "b a k"), Word("bag", "b a g")),
      Card(Word("cat", "k a t"), Word("gat", "g a t")),
      Card(Word("&lt;kit&gt;", "k i t"), Word("git", "g i t")), "</div></section>",
      "<section class=\"sheet\"><h1>t – d</h1><div class=\"cards\">", "</div></section>"}},
};

// The page's lines between <body> and </body>, and its title.
std::vector<std::string> BodyLines(const std::string& page, std::string& title) {
  const auto title_start = page.find("<title>") + 7;
  title = page.substr(title_start, page.find("</title>") - title_start);
  std::vector<std::string> lines;
  const std::size_t start = page.find("<body>\r\n") + 8;
  const std::size_t end = page.find("</body>");
  for (std::size_t at = start; at < end;) {
    const std::size_t line_end = page.find("\r\n", at);
    lines.push_back(page.substr(at, line_end - at));
    at = line_end + 2;
  }
  return lines;
}

TEST(SheetRunTest, WritesTheCardsOfTheSearchBesideItsFiles) {
  for (const SheetCase& c : kCases) {
    ProgramFolder folder(c.lexicon);
    folder.Write("classes.txt", "@voiceless = k t\n@voiced = g d\n");
    options::RunRequest request;
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.begin(), "--sheet");
    for (std::string& argument : arguments) {
      if (argument == "classes.txt") argument = folder.utf8() + "/classes.txt";
    }
    std::string error;
    ASSERT_TRUE(options::ReadRequest(arguments, request, error)) << c.name << ": " << error;
    request.folder = folder.utf8();
    RecordingHost host(folder.utf8());
    SearchState state;
    ASSERT_TRUE(runs::Run(PrepareRun(request), host, state).has_value()) << c.name;
    const std::string page = folder.Output(c.sheet_file);
    ASSERT_TRUE(page.starts_with("<!DOCTYPE html>\r\n")) << c.name;
    std::string title;
    EXPECT_EQ(BodyLines(page, title), c.body) << c.name;
    EXPECT_EQ(title, c.title) << c.name;
    EXPECT_EQ(page.find("<script"), std::string::npos) << c.name;
  }
}

}  // namespace
}  // namespace search::runs
