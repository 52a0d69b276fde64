#include "cli/console_host.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace cli {
namespace {

const std::string kReading = "Reading input file ...";
const std::string kDone = "Done!  Click again to exit.";
const std::string kProgress100 = "Completed  100 /  250 words containing  K .";
const std::string kProgress200 = "Completed  200 /  250 words containing  K .";
const std::string kProgressEsh = "Completed  100 /  250 words containing  \xCA\x83 .";  // ʃ
const std::string kMessage = "message: ";  // marks a message in a sequence

// What a terminal needs to blank a progress text of `width` characters.
std::string Cleared(std::size_t width) { return '\r' + std::string(width, ' ') + '\r'; }

struct ConsoleCase {
  std::string name;
  StatusLines lines;
  bool quiet;
  std::vector<std::string> shown;  // statuses, and messages marked kMessage
  std::string err;
  std::string out;
};

const std::vector<ConsoleCase> kCases = {
    {"a pipe keeps every line",
     StatusLines::kEach,
     false,
     {kReading, kProgress100, kProgress200, kDone},
     kReading + "\n" + kProgress100 + "\n" + kProgress200 + "\n" + kDone + "\n",
     ""},
    {"a terminal rewrites one line, which the next other text clears",
     StatusLines::kProgressInPlace,
     false,
     {kReading, kProgress100, kProgress200, kDone},
     kReading + "\n\r" + kProgress100 + "\r" + kProgress200 + Cleared(kProgress200.size()) + kDone +
         "\n",
     ""},
    {"a message clears it too",
     StatusLines::kProgressInPlace,
     false,
     {kProgress100, kMessage + "P\tB\t3", kProgress200},
     "\r" + kProgress100 + Cleared(kProgress100.size()) + "\r" + kProgress200,
     "P\tB\t3\n"},
    {"a shorter text is padded to the longer one, by characters",
     StatusLines::kProgressInPlace,
     false,
     {kProgress100 + "..", kProgressEsh, kDone},
     "\r" + kProgress100 + "..\r" + kProgressEsh + "  " + Cleared(kProgress100.size()) + kDone +
         "\n",
     ""},
    {"quiet shows nothing",
     StatusLines::kProgressInPlace,
     true,
     {kReading, kProgress100, kMessage + "said", kDone},
     "",
     "said\n"},
};

TEST(ConsoleHost, StatusTextsShareTheConsoleAsItAllows) {
  for (const ConsoleCase& c : kCases) {
    std::ostringstream out;
    std::ostringstream err;
    ConsoleHost host(".", c.quiet, out, err, c.lines);
    for (const std::string& text : c.shown) {
      if (text.starts_with(kMessage)) {
        host.ShowMessage(text.substr(kMessage.size()));
      } else {
        host.ShowStatus(text);
      }
    }
    EXPECT_EQ(err.str(), c.err) << c.name;
    EXPECT_EQ(out.str(), c.out) << c.name;
  }
}

// As before an error line: the end of a run clears the line, and only once.
TEST(ConsoleHost, EndProgressClearsAShownProgressLineOnce) {
  std::ostringstream out;
  std::ostringstream err;
  ConsoleHost host(".", false, out, err, StatusLines::kProgressInPlace);
  host.EndProgress();
  host.ShowStatus(kProgress100);
  host.EndProgress();
  host.EndProgress();
  EXPECT_EQ(err.str(), "\r" + kProgress100 + Cleared(kProgress100.size()));
}

}  // namespace
}  // namespace cli
