// The command line's usage errors and faults for contexts, folds and classes,
// and a class run's output.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "fake_desktop.h"
#include "program_folder.h"

namespace cli {
namespace {

using testing_support::ProgramFolder;

class PlacesCommandLineTest : public ::testing::Test {
 protected:
  PlacesCommandLineTest() {
    folder.Write("in.txt", "P AE1 T\nB AE1 T\nT AE1 P\nD AE1 P\nK IH1 N\nG IH1 N\n");
    folder.Write("classes.txt", "# stops\n@voiceless = P T K\nvoiced = B D G\nnasal = M N\n");
  }

  int Run(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--quiet", "--dir", folder.utf8()});
    std::ostringstream out_stream, err_stream;
    FakeDesktop desktop;
    const int status = RunCommandLine(arguments, out_stream, err_stream, desktop);
    out = out_stream.str();
    err = err_stream.str();
    return status;
  }

  ProgramFolder folder;
  std::string out;
  std::string err;
};

TEST_F(PlacesCommandLineTest, AClassRunPrintsEachPairsCountAndTheTotal) {
  ASSERT_EQ(Run({"--classes", folder.utf8() + "/classes.txt", "@voiceless", "@voiced"}), 0) << err;
  EXPECT_EQ(out, "P\tB\t1\nT\tD\t1\nK\tG\t1\ntotal\t3\n");
  EXPECT_EQ(folder.Read("output/VendrelFor@voicelessAnd@voiced.txt"),
            "P AE1 T\tB AE1 T\tP\tB\r\nT AE1 P\tD AE1 P\tT\tD\r\nK IH1 N\tG IH1 N\tK\tG\r\n");
}

TEST_F(PlacesCommandLineTest, UsageErrorsWriteNothingAndExitWithTwo) {
  struct Case {
    std::vector<std::string> arguments;
    std::string message;  // the first line of standard error
  };
  const std::string classes = folder.utf8() + "/classes.txt";
  const std::vector<Case> cases = {
      {{"--context", "# T", "P", "T"}, "minpairs: context '# T': no '_' marks the place"},
      {{"--context", "_ T _", "P", "T"},
       "minpairs: context '_ T _': token 3 '_' is a second place"},
      {{"--context", "{ a _", "P", "T"},
       "minpairs: context '{ a _': token 3 '_' stands inside the set opened at token 1"},
      {{"--position", "start", "P", "T"}, "minpairs: position 'start': write initial"},
      {{"--strip", "1", "--", "1", "T"}, "minpairs: --strip '1' leaves nothing of the symbol '1'"},
      {{"--strip", "PTK", "--classes", classes, "@voiceless", "@voiced"},
       "minpairs: --strip 'PTK' leaves nothing of the symbol 'P'"},
      {{"--classes", classes, "@voiceless", "@nasal"},
       "minpairs: the classes '@voiceless' (3 symbols) and '@nasal' (2 symbols) are not of the "
       "same size"},
      {{"--classes", classes, "@voiceless", "B"}, "minpairs: '@voiceless' is a class of '"},
      {{"--survey", "--classes", classes, "@voiceless", "@voiced"}, "minpairs: --survey takes"},
  };
  for (const Case& usage : cases) {
    EXPECT_EQ(Run(usage.arguments), 2) << usage.message;
    EXPECT_EQ(err.substr(0, usage.message.size()), usage.message);
    EXPECT_NE(err.find("usage: minpairs"), std::string::npos) << usage.message;
    EXPECT_EQ(folder.OutputFileCount(), 0U) << usage.message;
  }
}

TEST_F(PlacesCommandLineTest, AFaultyClassesFileNamesItsLineAndExitsWithOne) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"voiced = B D\nP T K\n", "line 2"},
      {"voiced = B D\nvoiced = G\n", "line 2"},
      {"# none\n = P\n", "line 2"},
  };
  for (const auto& [text, line] : cases) {
    folder.Write("bad.txt", text);
    EXPECT_EQ(Run({"--classes", folder.utf8() + "/bad.txt", "@voiced", "P"}), 1) << text;
    EXPECT_EQ(err.rfind("minpairs: error: '" + folder.utf8() + "/bad.txt' " + line, 0), 0U) << err;
    EXPECT_EQ(folder.OutputFileCount(), 0U) << text;
  }
}

TEST_F(PlacesCommandLineTest, AnUndefinedClassStaysALiteralSymbol) {
  folder.Write("in.txt", "@x A\n@y A\n");
  ASSERT_EQ(Run({"--classes", folder.utf8() + "/classes.txt", "@x", "@y"}), 0) << err;
  EXPECT_EQ(folder.Read("output/VendrelFor@xAnd@y.txt"), "@x A\t@y A\r\n");
}

}  // namespace
}  // namespace cli
