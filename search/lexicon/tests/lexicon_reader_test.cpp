#include "search/lexicon/lexicon_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "search/texts/search_error.h"
#include "temp_folder.h"

namespace search::lexicon {
namespace {

using testing_support::TempFolder;

// Each word as "spelling|transcription|frequency|gloss", absent columns left out.
std::vector<std::string> Rows(const WordListFile& list) {
  std::vector<std::string> rows;
  const std::string_view text = list.words.Text();
  for (std::size_t word = 0; word < list.words.size(); ++word) {
    std::string row;
    if (list.columns.spelling) (row += list.columns.spelling->Of(text, word)) += '|';
    row += list.words.Trimmed(word);
    if (list.columns.frequency) (row += '|') += list.columns.frequency->Of(text, word);
    if (list.columns.gloss) (row += '|') += list.columns.gloss->Of(text, word);
    rows.push_back(row);
  }
  return rows;
}

LexiconReading Reading(LexiconFormat format, std::optional<FrequencyThreshold> min_frequency = {},
                       bool needs_frequency = false) {
  LexiconReading reading;
  reading.format = format;
  reading.min_frequency = std::move(min_frequency);
  reading.needs_frequency = needs_frequency;
  return reading;
}

WordListFile Read(const TempFolder& folder, std::string_view bytes, const LexiconReading& reading) {
  folder.Write("lexicon", bytes);
  return ReadLexicon(folder.utf8() + "/lexicon", reading);
}

TEST(LexiconReaderTest, ReadsBothPronouncingDictionaryLayouts) {
  const TempFolder folder;
  const WordListFile list = Read(folder,
                                 ";;; a comment\n"
                                 "TOMATO(1)  T AH0 M AA1 T OW2\n"
                                 "tomato(2) t ah0 m aa1 t ow2 # british\n"
                                 "\n"
                                 "(PAREN)  P ER0 EH1 N\n"
                                 "R2(3)\tAA1 R T UW1\n",
                                 Reading(LexiconFormat::kCmudict));
  EXPECT_EQ(Rows(list),
            (std::vector<std::string>{"TOMATO|T AH0 M AA1 T OW2", "tomato|t ah0 m aa1 t ow2",
                                      "(PAREN)|P ER0 EH1 N", "R2|AA1 R T UW1"}));
}

// A spreadsheet's "Unicode text": UTF-16 with a byte order mark, CR LF,
// quoted fields, unnamed and unknown columns, missing trailing fields.
TEST(LexiconReaderTest, ReadsASpreadsheetsUnicodeText) {
  const std::u16string table =
      u"\uFEFFSpelling \tnotes\t\t TRANSCRIPTION\tFrequency\r\n"
      u"caf\u00E9\tx\t\tk a f e\t3.5\r\n"
      u"\"say \"\"hi\"\"\"\t\t\t\"s a\t\"\t\r\n"
      u"\"t\u0283e\"\t\"a,b\"\r\n"
      u"\U0001D11E\t\t\t  \"m j u\"  \t12\r\n";
  std::string bytes;
  for (const char16_t unit : table) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  const TempFolder folder;
  const WordListFile list = Read(folder, bytes, Reading(LexiconFormat::kTsv));
  EXPECT_EQ(list.encoding, texts::TextEncoding::kUtf8);
  // A quote keeps a tab inside the field; after outer spaces the field is taken as it stands.
  EXPECT_EQ(Rows(list), (std::vector<std::string>{"café|k a f e|3.5", "say \"hi\"|s a\t|", "tʃe||",
                                                  "\U0001D11E|\"m j u\"|12"}));
}

// Long tables are read in two halves at once, which must join in order.
TEST(LexiconReaderTest, KeepsWordsFromTheThresholdOnAndTheRestInOrder) {
  const TempFolder folder;
  for (const int repeats : {1, 9000}) {
    std::string table = "transcription\tfrequency\n";
    std::vector<std::string> kept;
    for (int repeat = 0; repeat < repeats; ++repeat) {
      const std::string n = std::to_string(repeat);
      ((((table += "a") += n) += "\t2\nb\t\n\"c\"") += n) += "\t2.5\nd\t1.99\ne\t10\n";
      kept.insert(kept.end(), {"a" + n + "|2", "c" + n + "|2.5", "e|10"});
    }
    const WordListFile list =
        Read(folder, table, Reading(LexiconFormat::kTsv, FrequencyThreshold{2, "2"}));
    EXPECT_EQ(Rows(list), kept);
  }
}

TEST(LexiconReaderTest, ReportsEachFaultWithItsFileAndLine) {
  const struct {
    std::string bytes;
    LexiconReading reading;
    std::string message;  // after "'<path>'"
  } cases[] = {
      {"spelling\ngo\n", Reading(LexiconFormat::kTsv),
       " line 1: no column is named 'transcription' (the first line names the columns, separated "
       "by tabs)"},
      {"", Reading(LexiconFormat::kTsv),
       " line 1: no column is named 'transcription' (the first line names the columns, separated "
       "by tabs)"},
      {"Transcription\tSPELLING\tspelling\n", Reading(LexiconFormat::kTsv),
       " line 1: the column 'spelling' is named twice"},
      {"transcription\tgloss\na\tb\nc\td\te\n", Reading(LexiconFormat::kTsv),
       " line 3: it has more fields than the first line names (2)"},
      {"transcription\tfrequency\r\na\t1\r\nb\t3,5\r\n", Reading(LexiconFormat::kTsv),
       " line 3: the column 'frequency' holds '3,5', which is not a number; write a non-negative "
       "decimal number with a point, such as 12 or 3.5"},
      {"transcription\tfrequency\na\t1e3\n", Reading(LexiconFormat::kTsv),
       " line 2: the column 'frequency' holds '1e3', which is not a number; write a non-negative "
       "decimal number with a point, such as 12 or 3.5"},
      {"transcription\tfrequency\na\t-1\n", Reading(LexiconFormat::kTsv),
       " line 2: the column 'frequency' holds '-1', which is not a number; write a non-negative "
       "decimal number with a point, such as 12 or 3.5"},
      {"transcription\tspelling\n\"a\nb\"\tc\n", Reading(LexiconFormat::kTsv),
       " line 2: a quoted field is not closed on its line (a line break inside quotes is not "
       "read)"},
      {"transcription\n", Reading(LexiconFormat::kTsv, {}, true),
       " has no column named 'frequency' to sort or filter by"},
      {std::string("\xFF\xFE"
                   "a\0\0\xDC",
                   6),
       Reading(LexiconFormat::kTsv), ": it is not valid UTF-16 text"},
      {std::string("\xFF\xFE\0\0a\0\0\0", 8), Reading(LexiconFormat::kTsv),
       ": it is UTF-32 text; save it as UTF-8 and try again"},
      {std::string("t\0r\0a\0n\0s\0\n\0a\0\n\0", 16), Reading(LexiconFormat::kTsv),
       ": it is UTF-16 text without a byte order mark; save it as UTF-8 and try again"},
  };
  const TempFolder folder;
  const std::string path = folder.utf8() + "/lexicon";
  for (const auto& test : cases) {
    SCOPED_TRACE(test.bytes);
    try {
      Read(folder, test.bytes, test.reading);
      ADD_FAILURE() << "read without an error";
    } catch (const texts::SearchError& error) {
      const std::string expected = test.message.starts_with(": ")
                                       ? "cannot read '" + path + "'" + test.message
                                       : "'" + path + "'" + test.message;
      EXPECT_EQ(error.what(), expected);
    }
  }
}

// A long table is read in two halves at once: a fault is named by its line in
// the whole table, and where both halves hold one, the earlier is named.
TEST(LexiconReaderTest, NamesTheFirstFaultOfALongTableByItsLine) {
  const struct {
    std::vector<int> bad_lines;
    int named;
  } cases[] = {{{2}, 2}, {{15000}, 15000}, {{20001}, 20001}, {{9, 15000}, 9}};
  const TempFolder folder;
  for (const auto& test : cases) {
    SCOPED_TRACE(test.named);
    std::string table = "transcription\tgloss\r\n";
    for (int line = 2; line <= 20001; ++line) {
      const bool bad =
          std::find(test.bad_lines.begin(), test.bad_lines.end(), line) != test.bad_lines.end();
      table += bad ? "a\tb\tc\r\n" : "a\tb\r\n";
    }
    try {
      Read(folder, table, Reading(LexiconFormat::kTsv));
      ADD_FAILURE() << "read without an error";
    } catch (const texts::SearchError& error) {
      EXPECT_EQ(error.what(), "'" + folder.utf8() + "/lexicon' line " + std::to_string(test.named) +
                                  ": it has more fields than the first line names (2)");
    }
  }
}

}  // namespace
}  // namespace search::lexicon
