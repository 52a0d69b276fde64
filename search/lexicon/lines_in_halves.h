// Reading a long text's lines in two halves at once, for the readers of plain
// lists and of tsv lexica alike.
#pragma once

#include <cstddef>
#include <string_view>

#include "search/kit/run_ahead.h"

namespace search::lexicon {

// From this many bytes on, a text's lines are read in two halves at once.
inline constexpr std::size_t kHalvesFromBytes = std::size_t{1} << 16;

// Where text[from, size) is cut in two: just after the first LF from its
// middle on, so that neither a line, nor a CR LF pair, nor a UTF-8 sequence
// straddles the cut. The text's size, for no cut, where the text is shorter
// than kHalvesFromBytes or has no LF from its middle on.
std::size_t HalvesCut(std::string_view text, std::size_t from);

// A bound for the lines of `stretch`: each CR and each LF counts as a line
// end. The room that CR LF pairs leave over costs nothing, as memory that is
// never written is never handed out. Inline, where it takes fewer instructions.
inline std::size_t CountLineEnds(std::string_view stretch) {
  // One pass that counts both kinds, which the compiler can do many bytes at a time.
  std::size_t ends = 0;
  for (const char byte : stretch) ends += static_cast<std::size_t>(byte == '\n') + (byte == '\r');
  return ends;
}

// Reads the lines of text[from, size) with `reader` and returns what it read.
// A Reader has, for a Part type of its own:
//   Part Make(std::size_t lines) const;  // empty, with room for `lines` lines
//   void Read(std::size_t begin, std::size_t end, Part& part) const;
//     // reads the lines of text[begin, end) into `part`
//   void Join(Part& earlier, const Part& later) const;  // appends `later`
// Past HalvesCut, the later half is read on a thread of its own into a part
// that then joins the earlier one, which is made with room for both, so that
// joining copies the later's marks once and moves nothing. Where both halves
// throw, the earlier half's exception comes out: a reader that stops at its
// first fault reports the first fault of the text.
template <typename Reader>
auto ReadLinesInHalves(std::string_view text, std::size_t from, const Reader& reader) {
  const std::size_t to = text.size();
  const std::size_t cut = HalvesCut(text, from);
  if (cut == to) {
    auto whole = reader.Make(CountLineEnds(text.substr(from)) + 1);
    reader.Read(from, to, whole);
    return whole;
  }
  std::size_t later_lines = 0;
  const std::size_t earlier_lines =
      kit::BothAtOnce([&] { return CountLineEnds(text.substr(from, cut - from)); },
                      [&] { later_lines = CountLineEnds(text.substr(cut)) + 1; });
  auto earlier = reader.Make(earlier_lines + later_lines);
  decltype(earlier) later;
  kit::BothAtOnce([&] { reader.Read(from, cut, earlier); },
                  [&] {
                    later = reader.Make(later_lines);
                    reader.Read(cut, to, later);
                  });
  reader.Join(earlier, later);
  return earlier;
}

}  // namespace search::lexicon
