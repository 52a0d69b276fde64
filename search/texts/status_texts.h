// Every text that a search or a survey shows to the user, formatted in one place. Front ends
// show these texts as they stand and never rebuild or parse them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace search::texts {

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

// What the command line says after a search: "21 pairs in 'VendrelForKAndT.txt'",
// the number of lines of the pairs file, named without its folder and escaped
// as in EscapedForMessage; "pairs" whatever the number, for scripts that read it.
std::string PairCountText(std::size_t pairs, std::string_view file_name);

// The survey of every pair of symbols.

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

// A word list given alone, surveyed where it lies.

// "The files are in '/home/ana/lists/output'.", the folder escaped as in EscapedForMessage.
std::string OutputFolderText(std::string_view folder);

// Why the page did not open: "cannot open 'PAGE' in a browser: REASON; open it
// from its folder", escaped as in EscapedForMessage.
std::string PageNotOpenedText(std::string_view page, std::string_view reason);

// Holds open the console that was made for the program alone.
inline constexpr std::string_view kPressEnterText = "Press Enter to close";

std::string TooManySymbolsText(const std::string& list_name, std::size_t limit);

}  // namespace search::texts
