#include "cli/console_host.h"

#include <algorithm>
#include <ostream>

#include "search/texts/message_text.h"
#include "search/texts/search_error.h"
#include "search/texts/status_texts.h"

namespace cli {
namespace {

// The characters of UTF-8 text, as a terminal gives each a column (the texts
// hold no wide characters but what the user typed).
std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
  }));
}

}  // namespace

ConsoleHost::ConsoleHost(std::string folder, bool quiet, std::ostream& out, std::ostream& err,
                         StatusLines lines)
    : folder_(std::move(folder)), quiet_(quiet), out_(out), err_(err), lines_(lines) {}

// A carriage return and spaces over the rest of the previous text work on
// every terminal and on the Windows console alike, unlike escape sequences.
void ConsoleHost::ShowStatus(std::string_view text) {
  if (quiet_) return;
  if (lines_ == StatusLines::kProgressInPlace && search::texts::IsProgressText(text)) {
    const std::size_t width = CharacterCount(text);
    err_ << '\r' << text << std::string(progress_width_ > width ? progress_width_ - width : 0, ' ')
         << std::flush;
    progress_width_ = width;
    return;
  }
  EndProgress();
  err_ << text << '\n' << std::flush;
}

// The summary is part of the result: a run whose summary is lost stops here,
// before it writes the pairs or reports that it is done.
void ConsoleHost::ShowMessage(std::string_view text) {
  EndProgress();
  if (!(out_ << text << '\n' << std::flush)) {
    throw search::texts::SearchError("cannot write to standard output");
  }
}

void ConsoleHost::ShowNote(std::string_view text) {
  EndProgress();
  err_ << search::texts::EscapedForMessage("minpairs: note: " + std::string(text)) << '\n'
       << std::flush;
}

void ConsoleHost::EndProgress() {
  if (progress_width_ == 0) return;
  err_ << '\r' << std::string(progress_width_, ' ') << '\r' << std::flush;
  progress_width_ = 0;
}

}  // namespace cli
