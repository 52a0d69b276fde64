#include <numeric>

#include "search/survey/survey_report.h"

namespace search::survey {

void WriteSurveyTable(const Survey& survey, texts::TextEncoding encoding, os::OutputFile& file) {
  std::string line;
  for (const std::string& symbol : survey.symbols) {
    line += '\t';
    line += TsvField(ShownText(symbol, encoding));
  }
  file.WriteLine(line);
  for (std::size_t first = 0; first < survey.size(); ++first) {
    line = TsvField(ShownText(survey.symbols[first], encoding));
    for (std::size_t second = 0; second < survey.size(); ++second) {
      line += '\t';
      if (first != second) line += std::to_string(survey.Count(first, second));
    }
    file.WriteLine(line);
  }
}

void WriteSymbolTable(const Survey& survey, texts::TextEncoding encoding, os::OutputFile& file) {
  std::vector<std::int64_t> as_first(survey.size()), as_second(survey.size());
  for (std::size_t first = 0; first < survey.size(); ++first) {
    for (std::size_t second = 0; second < survey.size(); ++second) {
      as_first[first] += survey.Count(first, second);
      as_second[second] += survey.Count(first, second);
    }
  }
  file.WriteLine("symbol\twords\tpairs as first symbol\tpairs as second symbol");
  for (std::size_t n = 0; n < survey.size(); ++n) {
    file.WriteLine(TsvField(ShownText(survey.symbols[n], encoding)) + '\t' +
                   std::to_string(survey.word_counts[n]) + '\t' + std::to_string(as_first[n]) +
                   '\t' + std::to_string(as_second[n]));
  }
}

void WriteContrastTable(const Survey& survey, texts::TextEncoding encoding, os::OutputFile& file) {
  file.WriteLine(
      "first symbol\tsecond symbol\tword pairs\tfirst for second\tsecond for first\t"
      "words with first\twords with second\twords with both");
  for (const Contrast& contrast : survey.contrasts) {
    file.WriteLine(TsvField(ShownText(survey.symbols[contrast.earlier], encoding)) + '\t' +
                   TsvField(ShownText(survey.symbols[contrast.later], encoding)) + '\t' +
                   std::to_string(contrast.word_pairs) + '\t' +
                   std::to_string(survey.Count(contrast.earlier, contrast.later)) + '\t' +
                   std::to_string(survey.Count(contrast.later, contrast.earlier)) + '\t' +
                   std::to_string(contrast.words_with_earlier) + '\t' +
                   std::to_string(contrast.words_with_later) + '\t' +
                   std::to_string(contrast.words_with_both));
  }
}

}  // namespace search::survey
