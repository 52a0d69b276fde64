#include "search/word_list_reader.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

#include "search/line_splitter.h"
#include "search/platform.h"
#include "search/search_error.h"

namespace search {
namespace {

constexpr std::size_t kChunkBytes = 1 << 20;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

bool IsUtf16(std::string_view start) {
  return start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF");
}

// Upper bound of the padded text: every line gains two spaces and loses at
// least one line-end byte, except a last line without one. Reserving it up
// front avoids the copy (and double memory) of a growing buffer; pages that
// are never written cost nothing.
std::size_t PaddedBytesBound(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return 0;
  const long size = std::ftell(file);
  std::rewind(file);
  return size > 0 ? static_cast<std::size_t>(size) * 2 + 2 : 0;
}

}  // namespace

TextEncoding ReadWordList(const std::string& path, SearchState& state) {
  errno = 0;
  const FileHandle file(OpenFile(path, "rb"));
  if (!file) {
    const int error_number = errno;
    throw SearchError("cannot read '" + path + "': " + SystemReason(error_number));
  }
  state.Words.Reserve(PaddedBytesBound(file.get()));

  bool valid_utf8 = true;
  const std::string counted = "lines in '" + path + "'";
  const auto add_line = [&](std::string_view line) {
    IncrementCount(state.WordCount, counted);
    if (valid_utf8 && !IsValidUtf8(line)) valid_utf8 = false;
    state.Words.AppendPadded(line);
  };

  LineSplitter splitter;
  std::vector<char> chunk(kChunkBytes);
  bool at_start = true;
  for (;;) {
    errno = 0;
    const std::size_t count = std::fread(chunk.data(), 1, chunk.size(), file.get());
    if (std::ferror(file.get())) {
      const int error_number = errno;
      throw SearchError("cannot read '" + path + "': " + SystemReason(error_number));
    }
    std::string_view text(chunk.data(), count);
    if (at_start) {
      at_start = false;
      if (IsUtf16(text)) {
        throw SearchError("cannot read '" + path +
                          "': it is UTF-16 text; save it as UTF-8 and try again");
      }
      if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    }
    splitter.Feed(text, add_line);
    if (std::feof(file.get())) break;
  }
  splitter.Finish(add_line);
  return valid_utf8 ? TextEncoding::kUtf8 : TextEncoding::kWindows1252;
}

}  // namespace search
