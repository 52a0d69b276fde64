// The practice sheet: word pairs as cards to print, the two words of each in
// large type with their transcriptions and an empty box for a picture each.
// A search writes it as a page of its own (--sheet); the survey page's script
// builds the same markup for one contrast and prints it.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "search/os/output_file.h"
#include "search/pairs/lexicon_tables.h"
#include "search/pairs/pair_row.h"

namespace search::survey {

// A word as a card shows it, in UTF-8 with hidden characters escaped: spelled,
// or its transcription when it has no spelling (then `transcription` is empty).
struct CardWord {
  std::string spelled;
  std::string transcription;
};

struct SheetCard {
  CardWord first;
  CardWord second;
};

// A title, such as "K – G (initial)", and its cards.
struct SheetSection {
  std::string title;
  std::vector<SheetCard> cards;
};

// The cards' style, about 12 to an A4 or Letter page, portrait.
extern const std::string_view kPracticeSheetStyle;

// One section: its title, then its cards, a line each.
void WriteSheetSection(const SheetSection& section, os::OutputFile& file);

// A page of nothing but the sections, each from a new sheet of paper.
void WritePracticeSheet(std::string_view page_title, std::span<const SheetSection> sections,
                        os::OutputFile& file);

// The cards of a search's pairs: ordered by the rarer word's frequency, highest
// first, ties and lexica without frequencies in the order given.
std::vector<SheetCard> PracticeCards(const pairs::LexiconView& lexicon,
                                     std::span<const pairs::PairRow> rows);

}  // namespace search::survey
