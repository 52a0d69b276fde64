#include "search/lexicon/lines_in_halves.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "search/lexicon/lexicon_lines.h"

namespace search::lexicon {
namespace {

using Stretches = std::vector<std::pair<std::size_t, std::size_t>>;

// What a reader was handed: the stretches it read and their lines, in order.
struct Seen {
  Stretches stretches;
  std::vector<std::string> lines;
};

class SeeingReader final {
 public:
  explicit SeeingReader(std::string_view text) : text_(text) {}

  [[nodiscard]] Seen Make(std::size_t /*lines*/) const { return {}; }
  void Read(std::size_t begin, std::size_t end, Seen& seen) const {
    seen.stretches.emplace_back(begin, end);
    Lines lines(text_, begin, end);
    while (const std::optional<Span> line = lines.Next()) {
      seen.lines.emplace_back(text_.substr(line->start, line->end - line->start));
    }
  }
  void Join(Seen& earlier, const Seen& later) const {
    earlier.stretches.insert(earlier.stretches.end(), later.stretches.begin(),
                             later.stretches.end());
    earlier.lines.insert(earlier.lines.end(), later.lines.begin(), later.lines.end());
  }

 private:
  std::string_view text_;
};

// `size` bytes of lines "word" that end in `line_end`, cut off where the size runs out.
std::string Filler(std::size_t size, std::string_view line_end) {
  std::string filler;
  while (filler.size() < size) (filler += "word") += line_end;
  filler.resize(size);
  return filler;
}

constexpr std::size_t kLong = 2 * kHalvesFromBytes;
constexpr std::size_t kMiddle = kHalvesFromBytes;

// The text is LF lines up to `at`, where `inset` stands, then lines that end
// in `tail_end`; it is read from `from` on.
TEST(ReadLinesInHalves, CutsJustAfterTheFirstLfFromTheMiddleOn) {
  const struct {
    const char* name;
    std::size_t size;
    std::size_t from;
    std::size_t at;
    std::string inset;
    std::string tail_end;
    Stretches stretches;
  } cases[] = {
      {"an LF at the middle",
       kLong,
       0,
       kMiddle,
       "\n",
       "\n",
       {{0, kMiddle + 1}, {kMiddle + 1, kLong}}},
      {"an LF just before the middle",
       kLong,
       0,
       kMiddle - 1,
       "\nxy\n",
       "\n",
       {{0, kMiddle + 3}, {kMiddle + 3, kLong}}},
      {"a CR LF across the middle",
       kLong,
       0,
       kMiddle - 1,
       "\r\n",
       "\n",
       {{0, kMiddle + 1}, {kMiddle + 1, kLong}}},
      {"a CR LF from the middle on",
       kLong,
       0,
       kMiddle,
       "\r\n",
       "\n",
       {{0, kMiddle + 2}, {kMiddle + 2, kLong}}},
      {"the middle counted from `from`",
       kLong + 3,
       3,
       kMiddle + 1,
       "\nx\n",
       "\n",
       {{3, kMiddle + 4}, {kMiddle + 4, kLong + 3}}},
      {"only CRs from the middle on", kLong, 0, kMiddle, "\r", "\r", {{0, kLong}}},
      {"one byte too short to cut",
       kHalvesFromBytes,
       1,
       kHalvesFromBytes / 2,
       "\n",
       "\n",
       {{1, kHalvesFromBytes}}},
      {"just long enough to cut",
       kHalvesFromBytes + 1,
       1,
       kHalvesFromBytes / 2 + 1,
       "\n",
       "\n",
       {{1, kHalvesFromBytes / 2 + 2}, {kHalvesFromBytes / 2 + 2, kHalvesFromBytes + 1}}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    const std::string text = Filler(test.at, "\n") + test.inset +
                             Filler(test.size - test.at - test.inset.size(), test.tail_end);
    const Seen seen = ReadLinesInHalves(text, test.from, SeeingReader(text));
    EXPECT_EQ(seen.stretches, test.stretches);
    Seen at_once;
    SeeingReader(text).Read(test.from, text.size(), at_once);
    EXPECT_EQ(seen.lines, at_once.lines);
  }
}

}  // namespace
}  // namespace search::lexicon
