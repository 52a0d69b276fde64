// --columns and --no-header as the tsv reader takes them, and the notes for a
// list whose symbols are not separated by spaces.
#include "search/lexicon/column_roles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/lexicon/lexicon_reader.h"
#include "search/lexicon/unspaced_words.h"
#include "search/texts/search_error.h"
#include "temp_folder.h"

namespace search::lexicon {
namespace {

using testing_support::TempFolder;

TEST(ColumnRolesTest, RefusesFaultyColumnsWithTheirUsageErrors) {
  const struct {
    std::string value;
    std::string error;
  } cases[] = {
      {"word=IPA",
       "unknown role 'word' in --columns; the roles are transcription, spelling, "
       "frequency and gloss"},
      {"-=IPA",
       "unknown role '-' in --columns; the roles are transcription, spelling, "
       "frequency and gloss"},
      {"spelling=Word,,transcription=IPA",
       "--columns has an empty entry in 'spelling=Word,,transcription=IPA'; separate ROLE=NAME "
       "entries by single commas"},
      {"transcription=", "--columns gives no name for 'transcription'; write transcription=NAME"},
      {"Spelling=a, spelling=b", "--columns gives the role 'spelling' twice"},
      {"spelling,-,SPELLING", "--columns gives the role 'spelling' twice"},
  };
  for (const auto& c : cases) {
    std::vector<ColumnChoice> choices;
    std::string error;
    EXPECT_FALSE(ParseColumnChoices(c.value, choices, error)) << c.value;
    EXPECT_EQ(error, c.error);
  }
}

LexiconReading TsvReading(const std::string& columns, bool no_header = false) {
  LexiconReading reading;
  reading.format = LexiconFormat::kTsv;
  reading.no_header = no_header;
  std::string error;
  EXPECT_TRUE(columns.empty() || ParseColumnChoices(columns, reading.columns, error)) << error;
  return reading;
}

// Faults of the header or the fields, after "'PATH' line ".
TEST(ColumnRolesTest, NamesTheColumnsFoundAndTheLikeliestTranscription) {
  const struct {
    std::string bytes;
    LexiconReading reading;
    std::string message;
  } cases[] = {
      {"Word\tIPA\tFreq\tNotes\nship\tʃɪp\t3\t\n", TsvReading(""),
       "1: no column is named 'transcription'; the columns are 'Word', 'IPA', 'Freq', 'Notes': "
       "name the transcription column with --columns transcription=IPA"},
      // A name that tells: pron*, phon*, transcr*, segment*, in any case.
      {"Word\tPhonemes\n", TsvReading(""),
       "1: no column is named 'transcription'; the columns are 'Word', 'Phonemes': name the "
       "transcription column with --columns transcription=Phonemes"},
      {"A\tB\tC\nship\t12\tʃɪp\nsip\t3\ts ɪ p\n", TsvReading(""),
       "1: no column is named 'transcription'; the columns are 'A', 'B', 'C': name the "
       "transcription column with --columns transcription=C"},
      {"word\tsound\nship\tS I p\n", TsvReading("spelling=word"),
       "1: no column is named 'transcription'; the columns are 'word', 'sound': name the "
       "transcription column with --columns transcription=sound"},
      {"Word\tIPA\n", TsvReading("transcription=IPA,frequency=Freq"),
       "1: no column is named 'Freq' (--columns frequency=Freq); the columns are 'Word', 'IPA'"},
      {"ipa\tIPA \n", TsvReading("transcription=ipa"), "1: the column 'ipa' is named twice"},
      {"a\tb\nc\td\te\n", TsvReading("transcription,spelling", true),
       "2: it has more fields than --columns lists (2)"},
  };
  const TempFolder folder;
  for (const auto& c : cases) {
    folder.Write("lexicon", c.bytes);
    try {
      (void)ReadLexicon(folder.utf8() + "/lexicon", c.reading);
      ADD_FAILURE() << c.message;
    } catch (const texts::SearchError& error) {
      EXPECT_EQ(error.what(), "'" + folder.utf8() + "/lexicon' line " + c.message);
    }
  }
}

// Each word as "spelling|transcription|gloss", absent columns left out.
std::vector<std::string> Rows(const WordListFile& list) {
  std::vector<std::string> rows;
  const std::string_view text = list.words.Text();
  for (std::size_t word = 0; word < list.words.size(); ++word) {
    std::string row;
    if (list.columns.spelling) (row += list.columns.spelling->Of(text, word)) += '|';
    row += list.words.Trimmed(word);
    if (list.columns.gloss) (row += '|') += list.columns.gloss->Of(text, word);
    rows.push_back(row);
  }
  return rows;
}

// Roles listed by position or named over the header's own names; a header
// column that --columns names for another role is not taken by its own name.
TEST(ColumnRolesTest, ReadsColumnsByTheirNamesOrTheirPlaces) {
  const struct {
    std::string bytes;
    LexiconReading reading;
    std::vector<std::string> rows;
  } cases[] = {
      {"go\tg o\n\"so \"\ts o\n", TsvReading("spelling,transcription", true), {"go|g o", "so|s o"}},
      {"x\tgo\tg o\ty\n", TsvReading("-,spelling,transcription,gloss", true), {"go|g o|y"}},
      {"transcription\tword\tspelling\ng o\tgo\tGO\n", TsvReading("spelling=Word"), {"go|g o"}},
      {"transcription\tIPA\nwrong\tg o\n", TsvReading("transcription=ipa"), {"g o"}},
      {"Gloss\ttranscription\na word\tg o\n", TsvReading("spelling=gloss"), {"a word|g o"}},
  };
  const TempFolder folder;
  for (const auto& c : cases) {
    folder.Write("lexicon", c.bytes);
    EXPECT_EQ(Rows(ReadLexicon(folder.utf8() + "/lexicon", c.reading)), c.rows) << c.bytes;
  }
}

WordList WordsOf(const std::vector<std::string>& lines) {
  WordList words;
  for (const std::string& line : lines) words.AppendLine(line);
  return words;
}

const std::vector<std::string> kUnspaced = {"ʃɪp", "sɪp", "ʃiːp", "", "a", "tʃɪn"};

TEST(UnspacedWordsTest, NotesATypedSymbolFoundOnlyInsideLongerOnes) {
  const struct {
    std::vector<std::string> lines;
    std::string typed;
    texts::TextEncoding encoding;
    std::string note;  // "" for none
  } cases[] = {
      {kUnspaced, " ʃ ", texts::TextEncoding::kUtf8,
       "no word has 'ʃ' as a symbol, but 3 symbols hold it (such as 'ʃɪp'); are the symbols "
       "separated by spaces? --segments auto splits them"},
      {kUnspaced, "n", texts::TextEncoding::kUtf8,
       "no word has 'n' as a symbol, but 1 symbol holds it (such as 'tʃɪn'); are the symbols "
       "separated by spaces? --segments auto splits them"},
      {{"\xE9t\xE9", "ab", "b"},
       "\xC3\xA9",
       texts::TextEncoding::kWindows1252,
       "no word has '\xC3\xA9' as a symbol, but 1 symbol holds it (such as '\xC3\xA9t\xC3\xA9'); "
       "are the symbols separated by spaces? --segments auto splits them"},
      {kUnspaced, "x", texts::TextEncoding::kUtf8, ""},    // inside no symbol
      {kUnspaced, "  ", texts::TextEncoding::kUtf8, ""},   // empty
      {kUnspaced, "ʃ ɪ", texts::TextEncoding::kUtf8, ""},  // two symbols
      // A pronouncing dictionary's lines are many symbols.
      {{"K AE1 T", "B AE1 T", "AE1"}, "AE", texts::TextEncoding::kUtf8, ""},
      // Half the lines one long symbol is not most.
      {{"ʃɪp", "s ɪ p"}, "ʃ", texts::TextEncoding::kUtf8, ""},
      // One character, two bytes, is not several characters.
      {{"ʃ", "ɪ", "ʃɪ"}, "ʃ", texts::TextEncoding::kUtf8, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UnspacedSymbolNote(c.typed, WordsOf(c.lines), c.encoding).value_or(""), c.note)
        << c.typed;
  }
}

TEST(UnspacedWordsTest, NotesASurveyOfALongSymbolALine) {
  EXPECT_EQ(UnspacedListNote(WordsOf(kUnspaced), texts::TextEncoding::kUtf8).value_or(""),
            "most lines of the list are one symbol of several characters (such as 'ʃɪp'); are "
            "the symbols separated by spaces? --segments auto splits them");
  EXPECT_FALSE(UnspacedListNote(WordsOf({"K AE1 T", "AE1"}), texts::TextEncoding::kUtf8));
}

}  // namespace
}  // namespace search::lexicon
