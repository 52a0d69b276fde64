// The fixed texts that a search shows, written out once for every test. Tests
// compare the product's texts with these, never with the product's own
// constants, so that a slip in either shows.
#pragma once

#include <string_view>

namespace testing_support {

inline constexpr std::string_view kExpectedReading = "Reading input file ...";
inline constexpr std::string_view kExpectedMakingLists =
    "Making lists of words that have the relevant phonemes ...";
inline constexpr std::string_view kExpectedBegunSearch = "Begun search for minimal pairs ...";
inline constexpr std::string_view kExpectedDone = "Done!  Click again to exit.";

inline constexpr std::string_view kExpectedSurveyCounting =
    "Counting the minimal pairs of every pair of symbols ...";
inline constexpr std::string_view kExpectedSurveyWriting = "Writing the survey ...";

}  // namespace testing_support
