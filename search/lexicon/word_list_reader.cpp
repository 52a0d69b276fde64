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

#include "search/lexicon/lexicon_lines.h"
#include "search/lexicon/lines_in_halves.h"
#include "search/lexicon/wide_text.h"
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

// The words of some lines of a plain list, and whether those lines are valid UTF-8.
struct MarkedWords {
  WordList words;
  bool valid_utf8 = true;
};

// Marks each line of the text as a word, trimmed of spaces, for ReadLinesInHalves.
class WordMarker final {
 public:
  explicit WordMarker(std::string_view text) : text_(text) {}

  [[nodiscard]] MarkedWords Make(std::size_t lines) const {
    MarkedWords part;
    part.words.ReserveWords(lines);
    return part;
  }
  void Read(std::size_t begin, std::size_t end, MarkedWords& part) const {
    // A copy that marking a word cannot change, as far as the compiler knows,
    // so that it need not be loaded again for each line.
    const std::string_view text = text_;
    Lines lines(text, begin, end);
    while (const std::optional<Span> line = lines.Next()) {
      const Span word = TrimmedSpan(text, *line);
      part.words.MarkWord(word.start, word.end);
    }
    part.valid_utf8 = texts::IsValidUtf8(text.substr(begin, end - begin));
  }
  void Join(MarkedWords& earlier, const MarkedWords& later) const {
    earlier.words.MarkWordsOf(later.words);
    earlier.valid_utf8 = earlier.valid_utf8 && later.valid_utf8;
  }

 private:
  std::string_view text_;
};

// Marks the lines of `content`, the whole file at `path`, in `list` and tells
// the list's encoding.
void MarkWords(const std::string& path, std::string_view content, WordListFile& list) {
  RefuseWideText(path, content, false);
  const std::size_t first_line =
      content.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
  MarkedWords marked = ReadLinesInHalves(content, first_line, WordMarker(content));
  list.words = std::move(marked.words);
  list.encoding =
      marked.valid_utf8 ? texts::TextEncoding::kUtf8 : texts::TextEncoding::kWindows1252;
}

WordListFile ReadWords(const std::string& path, const std::function<void()>& before_last_check) {
  WordListFile list;
  kit::TextBuffer text = ReadWholeFile(path, before_last_check);
  if (std::optional<kit::TextBuffer> decoded = DecodedUtf16(path, text.view())) {
    text = std::move(*decoded);
  }
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
