// Every text that a survey shows to the user, formatted in one place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace search {

inline constexpr std::string_view kSurveyCountingStatus =
    "Counting the minimal pairs of every pair of symbols ...";
inline constexpr std::string_view kSurveyWritingStatus = "Writing the survey ...";

// The survey reports progress after every this many distinct words.
inline constexpr std::size_t kSurveyProgressInterval = 100000;

// "Counted  100000 /  1980000 distinct words ..."
std::string SurveyProgressText(std::size_t done, std::size_t total);

// "84 symbols, 2345 ordered pairs of symbols with minimal pairs, 123456 minimal
// pairs in all."
std::string SurveySummaryText(std::size_t symbols, std::int64_t symbol_pairs,
                              std::int64_t minimal_pairs);

std::string TooManySymbolsText(const std::string& list_name, std::size_t limit);

}  // namespace search
