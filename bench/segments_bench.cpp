// Times splitting an IPA list written without spaces into its symbols, against
// the same list already spaced. The IPA list is made once from generate_words'
// list (FOLDER/in.txt), one IPA symbol for each of its symbols, with aspirated
// stops, tie bars, long vowels, diphthongs and stress marks: FOLDER/ipa.txt
// spaced, FOLDER/ipa-unspaced.txt without spaces.
// Usage: segments_bench FOLDER
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "search/kit/run_ahead.h"
#include "search/kit/text_buffer.h"
#include "search/lexicon/lexicon_reader.h"
#include "search/lexicon/segment_inventory.h"
#include "search/lexicon/segment_splitter.h"
#include "search/lexicon/word_list_reader.h"

namespace {

using Work = std::function<void()>;

struct Timing {
  double wall;
  double processor;  // of all threads, which a busy machine distorts less
};

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// The medians of seven runs of each work, in seconds, the works taking turns
// so that a busy machine weighs on each alike.
std::vector<Timing> Medians(const std::vector<Work>& works) {
  std::vector<std::vector<double>> wall(works.size());
  std::vector<std::vector<double>> processor(works.size());
  for (int run = 0; run < 7; ++run) {
    for (std::size_t i = 0; i < works.size(); ++i) {
      const auto start = std::chrono::steady_clock::now();
      const std::clock_t processor_start = std::clock();
      works[i]();
      processor[i].push_back(static_cast<double>(std::clock() - processor_start) / CLOCKS_PER_SEC);
      wall[i].push_back(
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
  }
  std::vector<Timing> medians;
  for (std::size_t i = 0; i < works.size(); ++i) {
    medians.push_back({Median(wall[i]), Median(processor[i])});
  }
  return medians;
}

// generate_words' symbols in IPA; a vowel's stress digit becomes a stress mark before it.
const std::map<std::string, std::string> kIpa = {
    {"P", "p\xCA\xB0"},
    {"T", "t\xCA\xB0"},
    {"K", "k\xCA\xB0"},
    {"B", "b"},
    {"D", "d"},
    {"G", "\xC9\xA1"},
    {"M", "m"},
    {"N", "n"},
    {"NG", "\xC5\x8B"},
    {"F", "f"},
    {"V", "v"},
    {"TH", "\xCE\xB8"},
    {"DH", "\xC3\xB0"},
    {"S", "s"},
    {"Z", "z"},
    {"SH", "\xCA\x83"},
    {"ZH", "\xCA\x92"},
    {"HH", "h"},
    {"L", "l"},
    {"R", "\xC9\xB9"},
    {"W", "w"},
    {"Y", "j"},
    {"CH", "t\xCD\xA1\xCA\x83"},
    {"JH", "d\xCD\xA1\xCA\x92"},
    {"AA", "\xC9\x91\xCB\x90"},
    {"AE", "\xC3\xA6"},
    {"AH", "\xCA\x8C"},
    {"AO", "\xC9\x94\xCB\x90"},
    {"AW", "a\xCA\x8A"},
    {"AY", "a\xC9\xAA"},
    {"EH", "\xC9\x9B"},
    {"ER", "\xC9\x9D"},
    {"EY", "e\xC9\xAA"},
    {"IH", "\xC9\xAA"},
    {"IY", "i\xCB\x90"},
    {"OW", "o\xCA\x8A"},
    {"OY", "\xC9\x94\xC9\xAA"},
    {"UH", "\xCA\x8A"},
    {"UW", "u\xCB\x90"},
};
// The diphthongs, which only an inventory keeps whole.
const search::lexicon::SegmentInventory kDiphthongs{
    {"a\xCA\x8A", "a\xC9\xAA", "e\xC9\xAA", "o\xCA\x8A", "\xC9\x94\xC9\xAA"}};

std::string IpaLine(const std::string& line) {
  std::istringstream symbols(line);
  std::string ipa;
  for (std::string symbol; symbols >> symbol;) {
    const char stress = symbol.back();
    if (stress >= '0' && stress <= '2') symbol.pop_back();
    if (stress == '1') ipa += "\xCB\x88 ";
    if (stress == '2') ipa += "\xCB\x8C ";
    ipa += kIpa.at(symbol) + " ";
  }
  if (!ipa.empty()) ipa.pop_back();
  return ipa;
}

// Writes FOLDER/ipa.txt and FOLDER/ipa-unspaced.txt from FOLDER/in.txt, unless they are there.
void WriteIpaLists(const std::string& folder) {
  if (std::ifstream(folder + "/ipa-unspaced.txt")) return;
  std::ifstream in(folder + "/in.txt");
  std::ofstream spaced(folder + "/ipa.txt");
  std::ofstream unspaced(folder + "/ipa-unspaced.txt");
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string ipa = IpaLine(line);
    spaced << ipa << '\n';
    ipa.erase(std::remove(ipa.begin(), ipa.end(), ' '), ipa.end());
    unspaced << ipa << '\n';
  }
}

using search::lexicon::SegmentSplitter;
using search::lexicon::WordList;

// The words of `list` split into a new list, as a reader would make it: one
// text with room for the most they can take, each word marked where it is
// written. With `halves`, in two halves at once, as the reader marks a long
// list's lines: the later half is written from twice its offset in the list's
// text, and the gap before it is never written, nor handed out by the system.
WordList SplitList(const WordList& list, const SegmentSplitter& splitter, bool halves) {
  search::kit::TextBuffer text;
  text.ResizeForOverwrite(SegmentSplitter::RoomToSplit(list.Text().size()));
  const auto offset_in_list = [&](std::size_t word) {
    return static_cast<std::size_t>(list.Trimmed(word).data() - list.Text().data());
  };
  // Splits words [begin, end) from `at` on and returns where they end.
  const auto split_words = [&](std::size_t begin, std::size_t end, std::size_t at,
                               WordList& words) {
    words.ReserveWords(end - begin);
    for (std::size_t word = begin; word < end; ++word) {
      const char* written = splitter.SplitTo(list.Trimmed(word), text.data() + at);
      const auto word_end = static_cast<std::size_t>(written - text.data());
      words.MarkWord(at, word_end);
      at = word_end;
    }
    return at;
  };
  WordList words;
  const std::size_t half = halves && !list.empty() ? list.size() / 2 : list.size();
  WordList later;
  std::size_t later_end = 0;
  const std::size_t earlier_end = search::kit::BothAtOnce(
      [&] { return split_words(0, half, 0, words); },
      [&] {
        if (half == list.size()) return;
        later_end = split_words(half, list.size(),
                                SegmentSplitter::RoomToSplit(offset_in_list(half)), later);
      });
  words.MarkWordsOf(later);
  text.ResizeForOverwrite(std::max(earlier_end, later_end));
  words.AdoptText(std::move(text));
  return words;
}

// True when both lists hold the same words.
bool SameWords(const WordList& first, const WordList& second) {
  if (first.size() != second.size()) return false;
  for (std::size_t word = 0; word < first.size(); ++word) {
    if (first.Trimmed(word) != second.Trimmed(word)) return false;
  }
  return true;
}

// Every word of `list` appended to `text` by Split, a line each.
void SplitInto(std::string& text, const WordList& list, const SegmentSplitter& splitter) {
  text.clear();
  for (std::size_t word = 0; word < list.size(); ++word) {
    splitter.Split(list.Trimmed(word), text);
    text += '\n';
  }
}

// Every word of `list` copied into `text`, a line each.
void CopyInto(std::string& text, const WordList& list) {
  text.clear();
  for (std::size_t word = 0; word < list.size(); ++word) {
    text += list.Trimmed(word);
    text += '\n';
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: segments_bench FOLDER\n");
    return 2;
  }
  try {
    namespace lexicon = search::lexicon;
    const std::string folder = argv[1];
    WriteIpaLists(folder);
    const std::string spaced_path = folder + "/ipa.txt";
    const std::string unspaced_path = folder + "/ipa-unspaced.txt";
    const auto spaced = lexicon::ReadWordList(spaced_path);
    const auto unspaced = lexicon::ReadWordList(unspaced_path);
    const SegmentSplitter automatic(search::texts::TextEncoding::kUtf8);
    const SegmentSplitter with_diphthongs(search::texts::TextEncoding::kUtf8, &kDiphthongs);
    search::lexicon::LexiconReading by_rule_check;
    by_rule_check.segments = "auto";
    const bool same = SameWords(SplitList(unspaced.words, with_diphthongs, false), spaced.words) &&
                      SameWords(lexicon::ReadLexicon(unspaced_path, by_rule_check).words,
                                SplitList(unspaced.words, automatic, false)) &&
                      SameWords(SplitList(unspaced.words, automatic, true),
                                SplitList(unspaced.words, automatic, false));

    const auto read_and_split = [&](const SegmentSplitter& splitter, bool halves) -> Work {
      return [&, halves] {
        (void)SplitList(lexicon::ReadWordList(unspaced_path).words, splitter, halves);
      };
    };
    // What --segments auto reads: the reader's own splitting.
    search::lexicon::LexiconReading by_rule;
    by_rule.segments = std::string(lexicon::kSegmentsByRule);
    const std::vector<Timing> reading = Medians({
        [&] { (void)lexicon::ReadWordList(spaced_path); },
        read_and_split(automatic, false),
        read_and_split(with_diphthongs, false),
        read_and_split(automatic, true),
        [&] { (void)lexicon::ReadLexicon(unspaced_path, by_rule); },
    });
    // Into the last run's string, which has room for it.
    std::string copied;
    std::string split;
    const std::vector<Timing> in_memory = Medians({
        [&] { CopyInto(copied, spaced.words); },
        [&] { SplitInto(split, unspaced.words, automatic); },
        [&] { SplitInto(split, unspaced.words, with_diphthongs); },
    });

    std::printf("%zu lines, %zu bytes spaced, %zu without spaces; medians of 7 runs:\n",
                spaced.words.size(), spaced.words.Text().size(), unspaced.words.Text().size());
    std::printf("%-42s %8s %6s %10s %6s\n", "", "wall", "ratio", "processor", "ratio");
    const auto print = [](const char* what, const Timing& timing, const Timing& against) {
      std::printf("%-42s %6.3f s %5.2fx %8.3f s %5.2fx\n", what, timing.wall,
                  timing.wall / against.wall, timing.processor,
                  timing.processor / against.processor);
    };
    print("reading the spaced list", reading[0], reading[0]);
    print("reading the unspaced list, splitting it", reading[1], reading[0]);
    print("  the same, 5 diphthongs as the inventory", reading[2], reading[0]);
    print("  the same, split in two halves at once", reading[3], reading[0]);
    print("ReadLexicon with --segments auto", reading[4], reading[0]);
    print("copying the spaced lines into a string", in_memory[0], in_memory[0]);
    print("Split of the unspaced lines into a string", in_memory[1], in_memory[0]);
    print("  with the inventory", in_memory[2], in_memory[0]);
    std::printf(
        "split with the inventory, the list equals the spaced list, and in halves\n"
        "the same as in one: %s\n",
        same ? "yes" : "NO");
    return same ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "segments_bench: %s\n", error.what());
    return 1;
  }
}
