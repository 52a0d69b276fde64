#include "search/lexicon/word_list_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <string_view>
#include <utility>

#include "search/kit/run_ahead.h"
#include "search/os/file_stamp.h"
#include "search/os/platform.h"
#include "search/texts/search_error.h"

namespace search::lexicon {
namespace {

constexpr std::size_t kMinimumGrowth = 1 << 20;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void FailToRead(const std::string& path, int error_number) {
  throw texts::SearchError("cannot read '" + path + "': " + texts::SystemReason(error_number));
}

}  // namespace

// The whole file, read straight into the buffer that will hold the words, whose
// room is not filled first. A regular file's stamp is taken before its first
// byte is read and after its last is copied: a file that another program wrote
// meanwhile, in place or by adding to it, is refused rather than read as a mix
// of two versions. A list replaced by renaming is not a change, as the open
// file is still the old one. `before_last_check` runs between the two, for
// tests; pipes have no stamp and are read as they come.
kit::TextBuffer ReadWholeFile(const std::string& path,
                              const std::function<void()>& before_last_check) {
  errno = 0;
  const FileHandle file(os::OpenFile(path, "rb"));
  if (!file) FailToRead(path, errno);
  const std::optional<os::FileStamp> before = os::StampOf(file.get());
  kit::TextBuffer text;
  text.Reserve((before ? static_cast<std::size_t>(before->size) : 0) + 1);  // one more for the end
  std::size_t filled = 0;
  for (;;) {
    if (filled == text.capacity()) {
      text.Reserve(text.capacity() + std::max(text.capacity() / 2, kMinimumGrowth));
    }
    text.ResizeForOverwrite(text.capacity());
    errno = 0;
    filled += std::fread(text.data() + filled, 1, text.size() - filled, file.get());
    text.ResizeForOverwrite(filled);
    if (std::ferror(file.get())) FailToRead(path, errno);
    if (std::feof(file.get())) break;
  }
  if (before_last_check) before_last_check();
  if (before && os::ChangedBetween(*before, os::StampOf(file.get()).value_or(os::FileStamp{}))) {
    throw texts::SearchError("cannot read '" + path + "': it changed while it was read");
  }
  return text;
}

namespace {

// Each line end counts as a line: a bound for the room the words need, which
// the room left over by CR LF pairs does not cost, as memory that is never
// written is never handed out.
std::size_t CountLineEnds(std::string_view lines) {
  // One pass that counts both kinds, which the compiler can do many bytes at a time.
  std::size_t ends = 0;
  for (const char byte : lines) ends += static_cast<std::size_t>(byte == '\n') + (byte == '\r');
  return ends;
}

// Marks each line of text[from, to) as a word, trimmed of spaces; a line ends
// at CR LF, CR or LF. A line ends at `to` too, where a line end stands or the
// text ends.
void MarkLines(std::string_view text, std::size_t from, std::size_t to, WordList& words) {
  const std::string_view view = text.substr(0, to);
  // The next CR and the next LF are each looked up once per occurrence, so a
  // file with only one kind of line end is still read in linear time.
  std::size_t next_cr = view.find('\r', from);
  std::size_t next_lf = view.find('\n', from);
  std::size_t line = from;
  while (line < to) {
    if (next_cr < line) next_cr = view.find('\r', line);
    if (next_lf < line) next_lf = view.find('\n', line);
    const std::size_t line_end = std::min({next_cr, next_lf, to});
    std::size_t next_line = line_end + 1;
    if (line_end < to && text[line_end] == '\r' && next_line < to && text[next_line] == '\n') {
      ++next_line;
    }
    std::size_t first = line;
    std::size_t last = line_end;  // one past the last non-space byte
    while (first < last && text[first] == ' ') ++first;
    while (last > first && text[last - 1] == ' ') --last;
    words.MarkWord(first, last);
    line = next_line;
  }
}

// From this many bytes on, the lines are marked in two halves at once.
constexpr std::size_t kSplitFromBytes = std::size_t{1} << 16;

// Marks the lines of text[from, end) and tells whether they are valid UTF-8. A long text is split
// just after the first LF past its middle and its halves are worked through at once, the later into
// a list of its own that then joins the first: a line never straddles the split, nor does a CR LF
// pair or a UTF-8 sequence.
bool MarkAllLines(std::string_view view, std::size_t from, WordList& words) {
  const std::size_t end_of_lines = view.size();
  std::size_t split = end_of_lines;
  if (end_of_lines - from >= kSplitFromBytes) {
    const std::size_t middle_lf = view.find('\n', from + (end_of_lines - from) / 2);
    if (middle_lf < end_of_lines) split = middle_lf + 1;
  }
  const auto look_over = [&](std::size_t begin, std::size_t end) {
    const std::string_view lines = view.substr(begin, end - begin);
    return std::pair{CountLineEnds(lines), texts::IsValidUtf8(lines)};
  };
  if (split == end_of_lines) {
    const auto [line_ends, valid_utf8] = look_over(from, end_of_lines);
    words.ReserveWords(line_ends + 1);
    MarkLines(view, from, end_of_lines, words);
    return valid_utf8;
  }
  std::pair<std::size_t, bool> later_look;
  const auto [line_ends, valid_utf8] = kit::BothAtOnce(
      [&] { return look_over(from, split); }, [&] { later_look = look_over(split, end_of_lines); });
  words.ReserveWords(line_ends + later_look.first + 1);
  WordList later_words;
  kit::BothAtOnce([&] { MarkLines(view, from, split, words); },
                  [&] {
                    later_words.ReserveWords(later_look.first + 1);
                    MarkLines(view, split, end_of_lines, later_words);
                  });
  words.MarkWordsOf(later_words);
  return valid_utf8 && later_look.second;
}

// Marks the lines of `content`, the whole file at `path`, in `list` and tells
// the list's encoding.
void MarkWords(const std::string& path, std::string_view content, WordListFile& list) {
  if (const auto wide = texts::WideEncodingName(content)) {
    throw texts::SearchError("cannot read '" + path + "': it is " + std::string(*wide) +
                             " text; save it as UTF-8 and try again");
  }
  const std::size_t first_line =
      content.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
  const bool valid_utf8 = MarkAllLines(content, first_line, list.words);
  list.encoding = valid_utf8 ? texts::TextEncoding::kUtf8 : texts::TextEncoding::kWindows1252;
}

WordListFile ReadWords(const std::string& path, const std::function<void()>& before_last_check) {
  WordListFile list;
  kit::TextBuffer text = ReadWholeFile(path, before_last_check);
  MarkWords(path, text.view(), list);
  list.words.AdoptText(std::move(text));
  return list;
}

}  // namespace

WordListFile ReadWordList(const std::string& path, const std::function<void()>& before_last_check) {
  try {
    return ReadWords(path, before_last_check);
  } catch (const std::bad_alloc&) {
    throw texts::SearchError("not enough memory to read '" + path + "'");
  }
}

}  // namespace search::lexicon
