#include "search/os/output_names.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"

namespace search::os {
namespace {

using testing_support::TempFolder;

// Two names of one file, as "s" and "S" are where case is ignored; a hard link
// makes them on any file system, also one that heeds case.
TEST(SecondListPath, DerivesANameOnlyForOneFileUnderTwoNamesOfDifferentSymbols) {
  TempFolder folder;
  folder.Write("ListOfWordsWith s.txt", " s IY1 \r\n");
  std::filesystem::create_hard_link(folder.path() / "ListOfWordsWith s.txt",
                                    folder.path() / "ListOfWordsWith z.txt");
  folder.Write("ListOfWordsWith T.txt", "");
  const std::string first = folder.utf8() + "/ListOfWordsWith s.txt";
  const std::string same_file = folder.utf8() + "/ListOfWordsWith z.txt";
  const std::string other_file = folder.utf8() + "/ListOfWordsWith T.txt";
  const std::string missing = folder.utf8() + "/ListOfWordsWith N.txt";

  EXPECT_EQ(SecondListPath(first, same_file, true), folder.utf8() + "/ListOfWordsWith z (2).txt");
  EXPECT_EQ(SecondListPath(first, same_file, false), same_file);
  EXPECT_EQ(SecondListPath(first, other_file, true), other_file);
  EXPECT_EQ(SecondListPath(first, missing, true), missing);
}

}  // namespace
}  // namespace search::os
