#include "window/help_text.h"

#include "window/build_info.h"

namespace window {

std::string HelpText(std::string_view maintainer_name, std::string_view maintainer_email) {
  const std::string paragraph_break = "\r\r";
  std::string text = "Find minimal pairs.  " + paragraph_break;
  text +=
      "There should be a file called in.txt, in the same folder as this program, that has "
      "words in plain text format, one word per line.";
  text +=
      " Phonetic symbols should be plain text; a symbol can have more than one character in "
      "it; separate the symbols with spaces, like this:  K AE1 T." +
      paragraph_break;
  text +=
      "In the main program window, enter the two symbols you want minimal pairs for.  The "
      "program will put lists of words having these two symbols, plus a file with the "
      "minimal pairs, in the Output folder.  Be sure that this folder exists before you run "
      "the program." +
      paragraph_break;
  text +=
      "If your word list is long and your two symbols are common phonemes, be prepared to "
      "wait a while for the program to finish." +
      paragraph_break;
  text += "Bugs, comments, etc. to ";
  text += maintainer_name;
  text += " at ";
  text += maintainer_email;
  text += ".";
  return text;
}

std::string HelpText() { return HelpText(kMaintainerName, kMaintainerEmail); }

}  // namespace window
