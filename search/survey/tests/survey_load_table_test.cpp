// SurveyOfFunctionalLoad.tsv and the page's lines about it, as the survey run
// writes them. The measures themselves are tested in functional_load_test.cpp.
#include <gtest/gtest.h>

#include <string>

#include "program_folder.h"
#include "recording_host.h"
#include "search/contexts/context.h"
#include "search/survey/survey_run.h"

namespace search::survey {
namespace {

using testing_support::ProgramFolder;
using testing_support::RecordingHost;

constexpr std::string_view kHeader =
    "first\tsecond\tone-place pairs\tsame-difference pairs\tevery-place pairs\twords with "
    "either\tdelta H types\tdelta H types normalised\tdelta H tokens\tdelta H tokens "
    "normalised\ttrigram delta H normalised\r\n";

// The published test corpus of functional load as a lexicon; sasi and shashi
// are its one same-difference pair of s and ʃ, mata and nata of m and n.
constexpr std::string_view kCorpus =
    "spelling\ttranscription\tfrequency\n"
    "atema\tɑ t e m ɑ\t11\nenuta\te n u t ɑ\t11\nmashomisi\tm ɑ ʃ o m i s i\t5\n"
    "mata\tm ɑ t ɑ\t2\nnata\tn ɑ t ɑ\t2\nsasi\ts ɑ s i\t139\nshashi\tʃ ɑ ʃ i\t43\n"
    "shisata\tʃ i s ɑ t ɑ\t3\nshushoma\tʃ u ʃ o m ɑ\t126\nta\tt ɑ\t67\ntatomi\tt ɑ t o m i\t7\n"
    "tishenishu\tt i ʃ e n i ʃ u\t96\ntoni\tt o n i\t33\ntusa\tt u s ɑ\t32\nʃi\tʃ i\t2\n";

class SurveyLoadTableTest : public ::testing::Test {
 protected:
  void Survey(const options::SearchOptions& options) { RunSurvey(host, options); }
  static options::SearchOptions Lexicon() {
    options::SearchOptions options;
    options.input = "lexicon.tsv";
    options.reading.format = lexicon::LexiconFormat::kTsv;
    return options;
  }

  ProgramFolder folder;
  RecordingHost host{folder.utf8()};
};

TEST_F(SurveyLoadTableTest, ThePublishedCorpusByteForByte) {
  folder.Write("lexicon.tsv", kCorpus);
  options::SearchOptions options = Lexicon();
  options.input = folder.utf8() + "/lexicon.tsv";
  Survey(options);
  EXPECT_EQ(
      folder.Output("SurveyOfFunctionalLoad.tsv"),
      std::string(kHeader) +
          "ʃ\ts\t0\t1\t1\t8\t0.099535674\t0.025476954\t0.24793857\t0.083050033\t0.039277403\r\n"
          "m\tn\t1\t1\t1\t9\t0.099535674\t0.025476954\t0.0069084629\t0.0023140735\t0.006906716\r\n"
          "ɑ\tt\t0\t0\t0\t14\t0\t0\t0\t0\t0.0041451239\r\n"
          "ɑ\ti\t0\t0\t0\t15\t0\t0\t0\t0\t0.031345267\r\n"
          "ɑ\tu\t0\t0\t0\t13\t0\t0\t0\t0\t0.0288498\r\n"
          "ɑ\to\t0\t0\t0\t13\t0\t0\t0\t0\t0.0074024443\r\n"
          "ɑ\te\t0\t0\t0\t13\t0\t0\t0\t0\t0.0011744983\r\n"
          "t\tʃ\t0\t0\t0\t14\t0\t0\t0\t0\t0.023115518\r\n"
          "t\tm\t0\t0\t0\t12\t0\t0\t0\t0\t0.017217146\r\n"
          "t\tn\t0\t0\t0\t10\t0\t0\t0\t0\t0.014363334\r\n"
          "t\ts\t0\t0\t0\t12\t0\t0\t0\t0\t0.026699365\r\n"
          "i\tu\t0\t0\t0\t11\t0\t0\t0\t0\t0.02218308\r\n"
          "i\to\t0\t0\t0\t9\t0\t0\t0\t0\t0.0087285654\r\n"
          "ʃ\tm\t0\t0\t0\t9\t0\t0\t0\t0\t0.0060658894\r\n"
          "ʃ\tn\t0\t0\t0\t9\t0\t0\t0\t0\t0.005987542\r\n"
          "m\ts\t0\t0\t0\t8\t0\t0\t0\t0\t0.0138463\r\n"
          "n\ts\t0\t0\t0\t8\t0\t0\t0\t0\t0.0096669351\r\n"
          "u\to\t0\t0\t0\t7\t0\t0\t0\t0\t0.0043985198\r\n"
          "u\te\t0\t0\t0\t5\t0\t0\t0\t0\t0.01299477\r\n"
          "o\te\t0\t0\t0\t7\t0\t0\t0\t0\t0.013250139\r\n");
  const std::string page = folder.Output("SurveyOfMinimalPairs.html");
  EXPECT_NE(page.find(" The entropy H1 of the words is 3.9068906 bits over types and 2.985412 bits "
                      "over tokens.</p>"),
            std::string::npos);
  EXPECT_NE(page.find("<span data-column=\"7\">One-place pairs</span><span data-column=\"8\">ΔH "
                      "tokens, normalised</span>"),
            std::string::npos);
}

// A removed word takes no part: mata and nata go, and m/n keeps only a trigram's ΔH.
TEST_F(SurveyLoadTableTest, WordsBelowTheThresholdTakeNoPart) {
  folder.Write("lexicon.tsv", kCorpus);
  options::SearchOptions options = Lexicon();
  options.input = folder.utf8() + "/lexicon.tsv";
  options.reading.min_frequency = lexicon::FrequencyThreshold{3, "3"};
  Survey(options);
  const std::string table = folder.Output("SurveyOfFunctionalLoad (min-frequency 3).tsv");
  EXPECT_EQ(
      table.substr(0, table.find("\r\n", kHeader.size()) + 2),
      std::string(kHeader) +
          "ʃ\ts\t0\t1\t1\t7\t0.12553088\t0.035015954\t0.25053478\t0.08591677\t0.03946842\r\n");
  EXPECT_NE(table.find("\r\nm\tn\t0\t0\t0\t7\t0\t0\t0\t0\t0.0062456\r\n"), std::string::npos);
}

// A word is a distinct transcription: a copy adds to its frequency, not to the
// words (H1 over types stays log2 6), and without frequencies the token cells
// stay empty. Within a position, a pair counts when its differing places fit
// in both words (t a t / d a d differ at a final place too), the words with
// either are those with a fitting place, and the entropies are left out.
TEST_F(SurveyLoadTableTest, DistinctTranscriptionsAndTheRestrictionOfAPosition) {
  folder.Write("in.txt", "t a\nd a\na t\na d\nt a t\nd a d\nt a\n");
  Survey({});
  EXPECT_EQ(folder.Output("SurveyOfFunctionalLoad.tsv"),
            std::string(kHeader) +
                "t\td\t2\t3\t3\t6\t1\t0.38685281\t\t\t0.30903052\r\n"
                "a\tt\t0\t0\t0\t6\t0.26303441\t0.1017556\t\t\t0.12162062\r\n"
                "a\td\t0\t0\t0\t6\t0.26303441\t0.1017556\t\t\t0.12162062\r\n");
  options::SearchOptions initial;
  initial.contexts.push_back(contexts::PositionContext("initial"));
  Survey(initial);
  EXPECT_EQ(folder.Output("SurveyOfFunctionalLoad (initial).tsv"),
            std::string(kHeader) + "t\td\t1\t1\t1\t4\t\t\t\t\t\r\n");
  const std::string page = folder.Output("SurveyOfMinimalPairs (initial).html");
  EXPECT_NE(page.find("<strong>ΔH types, normalised</strong>: left empty, as contexts keep some "
                      "places of the two symbols apart, and merging them only there is no merger "
                      "of the two."),
            std::string::npos);
  EXPECT_EQ(page.find("The entropy H1"), std::string::npos);
}

}  // namespace
}  // namespace search::survey
