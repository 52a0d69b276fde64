#include "window/help_text.h"

#include <gtest/gtest.h>

#include "window/build_info.h"

namespace window {
namespace {

constexpr const char* kHelpParagraphs =
    "Find minimal pairs.  \r\r"
    "There should be a file called in.txt, in the same folder as this program, that has words "
    "in plain text format, one word per line. Phonetic symbols should be plain text; a symbol "
    "can have more than one character in it; separate the symbols with spaces, like this:  "
    "K AE1 T.\r\r"
    "In the main program window, enter the two symbols you want minimal pairs for.  The program "
    "will put lists of words having these two symbols, plus a file with the minimal pairs, in "
    "the Output folder.  Be sure that this folder exists before you run the program.\r\r"
    "If your word list is long and your two symbols are common phonemes, be prepared to wait a "
    "while for the program to finish.\r\r";

TEST(HelpTextTest, IsTheFiveParagraphsEndingWithTheMaintainer) {
  EXPECT_EQ(
      HelpText("A. N. Other", "another@example.org"),
      std::string(kHelpParagraphs) + "Bugs, comments, etc. to A. N. Other at another@example.org.");
  EXPECT_EQ(HelpText(), std::string(kHelpParagraphs) + "Bugs, comments, etc. to " +
                            kMaintainerName + " at " + kMaintainerEmail + ".");
}

}  // namespace
}  // namespace window
