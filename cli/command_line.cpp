#include "cli/command_line.h"

#include <cstdint>
#include <exception>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/console_host.h"
#include "cli/desktop.h"
#include "search/contexts/context_error.h"
#include "search/lexicon/transcription.h"
#include "search/lexicon/unspaced_words.h"
#include "search/options/request_reading.h"
#include "search/options/run_options.h"
#include "search/runs/look_alikes.h"
#include "search/runs/prepared_run.h"
#include "search/survey/survey_run.h"
#include "search/texts/message_text.h"
#include "search/texts/status_texts.h"
#include "version.h"

namespace cli {
namespace {

using search::options::Action;
using search::options::RunRequest;

// Where the file system made one file of both lists' names ("s" and "S" where
// case is ignored), says where the second list went.
void NoteDerivedName(const RunRequest& request, const search::runs::WrittenFiles& written,
                     std::ostream& err) {
  if (!written.second_list_derived) return;
  const std::string_view first = search::lexicon::TrimSpaces(request.symbols[0]);
  const std::string_view second = search::lexicon::TrimSpaces(request.symbols[1]);
  err << search::texts::EscapedForMessage(
             "minpairs: note: '" + std::string(first) + "' and '" + std::string(second) +
             "' name the same list file in this folder; the words with '" + std::string(second) +
             "' are in '" + written.second_list + "'")
      << '\n';
}

// For each typed symbol that is in no word, names a symbol of the list that looks
// like it, if there is one; else, once, says that the list's symbols may not be
// separated by spaces.
void NoteMissingSymbols(const RunRequest& request, const search::runs::SearchState& state,
                        const search::runs::WrittenFiles& written, std::ostream& err) {
  bool unspaced_noted = false;
  const auto note = [&](const std::string& typed, std::int32_t count) {
    if (count != 0) return;
    std::optional<std::string> text =
        search::runs::LookAlikeNote(typed, state.Words, written.word_list_encoding);
    if (!text && !unspaced_noted) {
      text = search::lexicon::UnspacedSymbolNote(typed, state.Words, written.word_list_encoding);
      unspaced_noted = text.has_value();
    }
    if (text) err << search::texts::EscapedForMessage("minpairs: note: " + *text) << '\n';
  };
  note(request.symbols[0], state.FirstCount);
  if (search::lexicon::TrimSpaces(request.symbols[0]) !=
      search::lexicon::TrimSpaces(request.symbols[1])) {
    note(request.symbols[1], state.SecondCount);
  }
}

// The pairs file's name without its folder, which the run joins with '/'.
std::string_view FileName(std::string_view path) { return path.substr(path.rfind('/') + 1); }

// Runs the request in its folder, with the statuses and the summary on the
// console, and after a search the number of its pairs. Returns the exit
// status: 0 when every file was written in full, 1 after one error line on `err`.
int RunPrepared(const search::runs::PreparedRun& run, std::ostream& out, std::ostream& err,
                StatusLines lines) {
  const RunRequest& request = run.request;
  ConsoleHost host(request.folder, request.quiet, out, err, lines);
  search::runs::SearchState state;
  try {
    if (const auto written = search::runs::Run(run, host, state)) {
      if (!run.class_pair) {
        host.ShowMessage(
            search::texts::PairCountText(written->pair_lines, FileName(written->pairs)));
      }
      NoteDerivedName(request, *written, err);
      if (!run.class_pair) NoteMissingSymbols(request, state, *written, err);
    }
    return 0;
  } catch (const std::exception& error) {  // SearchError, or the unforeseen
    host.EndProgress();
    err << "minpairs: error: " << error.what() << '\n';
  }
  return 1;
}

// The summary or the help is part of the result: losing it is a failure.
int CheckOutput(int status, std::ostream& out, std::ostream& err) {
  if (out.flush()) return status;
  err << "minpairs: error: cannot write to standard output\n";
  return 1;
}

// Prepares and runs a search or a survey; returns the exit status.
int RunRequested(RunRequest request, std::ostream& out, std::ostream& err, StatusLines lines) {
  // The classes file is read before the contexts that name its classes; its
  // faults are the run's (status 1), the contexts' are usage errors.
  std::optional<search::runs::PreparedRun> run;
  try {
    run = search::runs::PrepareRun(std::move(request));
  } catch (const search::contexts::ContextError& fault) {
    err << "minpairs: " << search::texts::EscapedForMessage(fault.what()) << "\n"
        << search::options::HelpText();
    return 2;
  } catch (const std::exception& fault) {
    err << "minpairs: error: " << fault.what() << '\n';
    return 1;
  }
  const int status = RunPrepared(*run, out, err, lines);
  return status == 0 ? CheckOutput(status, out, err) : status;
}

// Says where the survey's files are and opens its page; a page that does not
// open is a note, as the files are all written.
int ShowSurveyPage(const std::string& output_folder, const std::string& page, std::ostream& out,
                   std::ostream& err, Desktop& desktop) {
  out << search::texts::OutputFolderText(output_folder) << '\n';
  std::string reason;
  if (!desktop.Open(page, reason)) {
    err << "minpairs: note: " << search::texts::PageNotOpenedText(page, reason) << '\n';
  }
  return CheckOutput(0, out, err);
}

// A word list given alone: surveyed where it lies, its page opened, and a
// console made for this program alone held open until Enter, so that the
// summary, or the error, can be read before Windows closes it.
int RunFileAlone(RunRequest request, std::ostream& out, std::ostream& err, Desktop& desktop,
                 StatusLines lines) {
  const std::string output_folder = request.folder + "/output";
  const std::string page = search::survey::SurveyPagePath(request.folder, request.search);
  int status = RunRequested(std::move(request), out, err, lines);
  if (status == 0) status = ShowSurveyPage(output_folder, page, out, err, desktop);
  if (desktop.ConsoleProcessCount() == 1) {
    out << search::texts::kPressEnterText << std::flush;
    desktop.WaitForEnter();
  }
  return status;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   Desktop& desktop, StatusLines lines) {
  RunRequest request;
  std::string error;
  if (!search::options::ReadRequest(arguments, request, error)) {
    err << "minpairs: " << error << "\n" << search::options::HelpText();
    return 2;
  }
  switch (request.action) {
    case Action::kHelp:
      out << search::options::HelpText();
      return CheckOutput(0, out, err);
    case Action::kVersion:
      out << "minpairs " << minpairs::kVersion << '\n';
      return CheckOutput(0, out, err);
    case Action::kSearch:
    case Action::kSurvey:
      break;
  }
  if (request.file_alone) return RunFileAlone(std::move(request), out, err, desktop, lines);
  return RunRequested(std::move(request), out, err, lines);
}

}  // namespace cli
