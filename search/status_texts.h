// Every text that a search shows to the user, formatted in one place. Front ends
// show these texts as they stand and never rebuild or parse them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace search {

inline constexpr std::string_view kReadingStatus = "Reading input file ...";
inline constexpr std::string_view kMakingListsStatus =
    "Making lists of words that have the relevant phonemes ...";
inline constexpr std::string_view kBegunSearchStatus = "Begun search for minimal pairs ...";
inline constexpr std::string_view kDoneStatus = "Done!  Click again to exit.";

// The pair search reports progress before every this many first-list words.
inline constexpr std::int32_t kProgressInterval = 100;

// A count as shown to the user: one leading space where the sign would be (" 523").
std::string CountText(std::int32_t count);

// The message that reports both counts; the symbols are shown padded, escaped
// as in EscapedForMessage.
std::string SummaryText(std::int32_t first_count, std::string_view first_shown,
                        std::int32_t second_count, std::string_view second_shown);

// The status shown before the first-list word at `position` (from 1).
std::string ProgressText(std::int32_t position, std::int32_t first_count,
                         std::string_view first_shown);

// True for the texts that ProgressText makes, the only ones that come by the thousand.
bool IsProgressText(std::string_view text);

}  // namespace search
