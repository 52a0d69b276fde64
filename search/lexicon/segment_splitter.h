// Splits a transcription written without spaces ("ʃɪp") into its symbols
// ("ʃ ɪ p"). A symbol is a base character followed by the combining marks and
// attaching modifier letters after it (segment_roles.h):
// - a tie bar (U+0361, U+035C) joins the symbol to the next character, which
//   brings its own marks and modifiers: "t͡ʃʰ" is one symbol;
// - stress marks ˈ ˌ and the syllable mark "." are always symbols of their own;
// - a mark or modifier with no base before it (first in the word, or after a
//   space, stress or syllable mark) stands in for the base of its own symbol:
//   "ʰt" is "ʰ t", "ⁿd" is "ⁿ d";
// - spaces only separate symbols;
// - with an inventory, the longest of its symbols that starts where a symbol
//   starts is taken whole, with the marks and modifiers after it.
// A Windows-1252 text is split on its bytes, every one a base but space and
// ".". In a UTF-8 text a byte that is not part of valid UTF-8 is a base.
#pragma once

#include <string>
#include <string_view>

#include "search/lexicon/inventory_index.h"
#include "search/lexicon/segment_inventory.h"
#include "search/texts/encoding.h"

namespace search::lexicon {

class SegmentSplitter final {
 public:
  // Splits texts in `encoding`, taking the symbols of `inventory` (if any)
  // whole; it is read here only. Inventory symbols that Windows-1252 cannot
  // write cannot occur in such a text and are left out.
  explicit SegmentSplitter(texts::TextEncoding encoding,
                           const SegmentInventory* inventory = nullptr);

  // Appends the symbols of `text` to `out`, separated by single spaces, in the
  // text's encoding; nothing for a text of spaces only. Allocates only when
  // `out` must grow.
  void Split(std::string_view text, std::string& out) const;

  // Writes what Split appends at `out`, which has room for
  // RoomToSplit(text.size()) bytes, and returns the end of what it wrote.
  char* SplitTo(std::string_view text, char* out) const;
  static constexpr std::size_t RoomToSplit(std::size_t text_size) { return 2 * text_size; }

 private:
  texts::TextEncoding encoding_;
  InventoryIndex inventory_;
  bool has_inventory_ = false;
};

}  // namespace search::lexicon
