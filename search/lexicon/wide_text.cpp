#include "search/lexicon/wide_text.h"

#include "search/texts/encoding.h"
#include "search/texts/search_error.h"

namespace search::lexicon {
namespace {

bool StartsWithUtf32Mark(std::string_view bytes) {
  return bytes.starts_with(std::string_view("\xFF\xFE\0\0", 4)) ||
         bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4));
}

}  // namespace

std::optional<kit::TextBuffer> DecodedUtf16(const std::string& path, std::string_view bytes) {
  const bool little = bytes.starts_with("\xFF\xFE") && !StartsWithUtf32Mark(bytes);
  const bool big = bytes.starts_with("\xFE\xFF");
  if (!little && !big) return std::nullopt;
  const std::optional<std::string> utf8 = texts::Utf16ToUtf8(bytes.substr(2), big);
  if (!utf8) throw texts::SearchError("cannot read '" + path + "': it is not valid UTF-16 text");
  kit::TextBuffer decoded;
  decoded.Reserve(utf8->size() + 1);
  decoded.Append(*utf8);
  return decoded;
}

void RefuseWideText(const std::string& path, std::string_view bytes, bool mark_read) {
  const auto wide = texts::WideEncodingName(bytes);
  if (!wide) return;
  const bool marked =
      StartsWithUtf32Mark(bytes) || bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
  std::string message = "cannot read '" + path + "': it is " + std::string(*wide) + " text";
  if (mark_read && !marked) message += " without a byte order mark";
  throw texts::SearchError(message + "; save it as UTF-8 and try again");
}

}  // namespace search::lexicon
