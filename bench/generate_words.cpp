// Writes a word list that looks like a pronouncing dictionary: syllables of
// consonant clusters around vowels with stress digits ("K AE1 T"), symbols
// drawn with Zipf-like frequencies, distinct words but for a few duplicates,
// and a few blank lines.
// Usage: generate_words LINES [SEED] > in.txt
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

// Most frequent first, roughly as in English transcriptions.
const std::vector<std::string> kConsonants = {"T",  "N",  "R", "S",  "L",  "D",  "K",  "M",
                                              "Z",  "P",  "B", "F",  "V",  "G",  "HH", "W",
                                              "NG", "SH", "Y", "JH", "CH", "TH", "DH", "ZH"};
const std::vector<std::string> kVowels = {"AH", "IH", "IY", "EH", "AE", "ER", "AA", "EY",
                                          "AY", "OW", "UW", "AO", "AW", "UH", "OY"};

class ZipfPicker {
 public:
  ZipfPicker(std::size_t count, double exponent) {
    std::vector<double> weights;
    for (std::size_t rank = 1; rank <= count; ++rank)
      weights.push_back(1.0 / std::pow(rank, exponent));
    distribution_ = std::discrete_distribution<std::size_t>(weights.begin(), weights.end());
  }
  std::size_t operator()(std::mt19937_64& random) { return distribution_(random); }

 private:
  std::discrete_distribution<std::size_t> distribution_;
};

class WordMaker {
 public:
  explicit WordMaker(std::uint64_t seed)
      : random_(seed), consonant_(kConsonants.size(), 1.0), vowel_(kVowels.size(), 0.8) {}

  std::string Next() {
    std::string word;
    const int syllables = 1 + std::binomial_distribution<int>(4, 0.4)(random_);
    const int stressed = std::uniform_int_distribution<int>(0, syllables - 1)(random_);
    for (int s = 0; s < syllables; ++s) {
      AppendConsonants(word, Chance(70) ? (Chance(20) ? 2 : 1) : 0);
      Append(word, kVowels[vowel_(random_)] + (s == stressed ? "1" : Chance(20) ? "2" : "0"));
      if (s + 1 == syllables) AppendConsonants(word, Chance(75) ? (Chance(25) ? 2 : 1) : 0);
    }
    return word;
  }

  bool Chance(int percent) { return std::uniform_int_distribution<int>(0, 99)(random_) < percent; }
  std::mt19937_64& random() { return random_; }

 private:
  void AppendConsonants(std::string& word, int count) {
    for (int i = 0; i < count; ++i) Append(word, kConsonants[consonant_(random_)]);
  }
  static void Append(std::string& word, const std::string& symbol) {
    if (!word.empty()) word += ' ';
    word += symbol;
  }

  std::mt19937_64 random_;
  ZipfPicker consonant_;
  ZipfPicker vowel_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: generate_words LINES [SEED] > in.txt\n");
    return 2;
  }
  const long lines = std::atol(argv[1]);
  WordMaker maker(argc == 3 ? std::strtoull(argv[2], nullptr, 10) : 20261207);
  std::unordered_set<std::string> seen;
  std::vector<std::string> words;
  for (long n = 0; n < lines; ++n) {
    std::string line;
    if (maker.Chance(1) && maker.Chance(50)) {
      line = "";  // blank lines happen in hand-kept lists
    } else if (!words.empty() && maker.Chance(1)) {
      line = words[std::uniform_int_distribution<std::size_t>(0, words.size() - 1)(maker.random())];
    } else {
      do line = maker.Next();
      while (!seen.insert(line).second);
      words.push_back(line);
    }
    std::fputs(line.c_str(), stdout);
    std::fputs("\r\n", stdout);
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
