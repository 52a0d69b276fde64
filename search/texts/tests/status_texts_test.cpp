#include "search/texts/status_texts.h"

#include <gtest/gtest.h>

#include <limits>

#include "expected_texts.h"

namespace search::texts {
namespace {

TEST(StatusTexts, FixedTextsAreWordForWord) {
  EXPECT_EQ(kReadingStatus, testing_support::kExpectedReading);
  EXPECT_EQ(kMakingListsStatus, testing_support::kExpectedMakingLists);
  EXPECT_EQ(kBegunSearchStatus, testing_support::kExpectedBegunSearch);
  EXPECT_EQ(kDoneStatus, testing_support::kExpectedDone);
  EXPECT_EQ(kSurveyCountingStatus, testing_support::kExpectedSurveyCounting);
  EXPECT_EQ(kSurveyWritingStatus, testing_support::kExpectedSurveyWriting);
}

TEST(StatusTexts, CountTextHasALeadingSpaceForTheSign) {
  EXPECT_EQ(CountText(0), " 0");
  EXPECT_EQ(CountText(523), " 523");
  EXPECT_EQ(CountText(std::numeric_limits<std::int32_t>::max()), " 2147483647");
  EXPECT_EQ(CountText(-5), "-5");
}

TEST(StatusTexts, SummaryAndProgressShowPaddedSymbolsAndSpacedCounts) {
  EXPECT_EQ(SummaryText(6, " K ", 0, " G "),
            " 6 words have  K ,  0 words have  G .  Click OK to continue.");
  EXPECT_EQ(ProgressText(100, 250, " K "), "Completed  100 /  250 words containing  K .");
}

TEST(StatusTexts, OnlyProgressTextsCountAsProgress) {
  EXPECT_TRUE(IsProgressText(ProgressText(200, 250, " ʃ ")));
  for (const std::string_view other : {kReadingStatus, kMakingListsStatus, kBegunSearchStatus,
                                       kDoneStatus, std::string_view("Completed")}) {
    EXPECT_FALSE(IsProgressText(other)) << other;
  }
}

}  // namespace
}  // namespace search::texts
