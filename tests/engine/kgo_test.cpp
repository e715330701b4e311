// End-to-end behaviour of the entry point: version handshake, run files,
// ending lines and status.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/kgo.h"
#include "tests/support/run_kgo.h"

using kavro::test::KgoOptions;
using kavro::test::minimal_deck;
using kavro::test::run_kgo;

namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(Kgo, WrongVersionReturns99AndTouchesNoFile) {
  KgoOptions opt;
  opt.version = 7002;
  opt.keep_dir = true;
  auto r = run_kgo(minimal_deck(), opt);
  EXPECT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 99);
  EXPECT_FALSE(std::filesystem::exists(r.dir + "/report.txt"));
  EXPECT_FALSE(std::filesystem::exists(r.dir + "/plot.txt"));
  EXPECT_FALSE(std::filesystem::exists(r.dir + "/messages.txt"));
  std::filesystem::remove_all(r.dir);
}

TEST(Kgo, MinimalDeckEndsNormally) {
  auto r = run_kgo(minimal_deck());
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(contains(r.messages, "Input of data begun\nReading title data\nReading analysis options\n"));
  EXPECT_TRUE(contains(r.messages, "Input of data completed\n"));
  EXPECT_TRUE(contains(r.messages, "Completed Analysis of All Pile Loading Cases\n"));
  EXPECT_TRUE(contains(r.messages, "\nThe analysis ended normally. \n"));
  EXPECT_TRUE(contains(r.report, "\nThe analysis ended normally. \n"));
}

TEST(Kgo, MissingNamesFileIsRuntimeError2) {
  KgoOptions opt;
  opt.write_names = false;
  opt.keep_dir = true;
  auto r = run_kgo(minimal_deck(), opt);
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 202);
  EXPECT_TRUE(contains(r.stderr_text, "**** Runtime Error No. 2 ****\n\nContents of file NAMES.DAT is corrupted.\n"));
  EXPECT_TRUE(contains(r.stderr_text, "Kavro ended prematurely due to runtime error number RUN00002\n"));
  EXPECT_TRUE(contains(r.stderr_text, "The analysis ended due to runtime error No. 2."));
  EXPECT_FALSE(std::filesystem::exists(r.dir + "/report.txt"));
  std::filesystem::remove_all(r.dir);
}

struct BlankName {
  int line;  // 0-based line of NAMES.DAT left blank
  const char* text;
};

class BlankNameTest : public ::testing::TestWithParam<BlankName> {};

TEST_P(BlankNameTest, BlankNameIsRuntimeError17) {
  KgoOptions opt;
  opt.names_lines[GetParam().line] = "   ";
  opt.keep_dir = true;
  auto r = run_kgo(minimal_deck(), opt);
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 217);
  EXPECT_TRUE(contains(r.stderr_text, std::string("**** Runtime Error No. 17 ****\n\n") + GetParam().text + "\n"));
  for (const char* f : {"/report.txt", "/plot.txt", "/messages.txt"})
    EXPECT_FALSE(std::filesystem::exists(r.dir + f)) << f;
  std::filesystem::remove_all(r.dir);
}

INSTANTIATE_TEST_SUITE_P(
    Names, BlankNameTest,
    ::testing::Values(BlankName{0, "Input data filename information corrupted. No analysis was performed."},
                      BlankName{1, "Output filename information is corrupted. No analysis was performed."},
                      BlankName{2, "Plot output filename information is corrupted. No analysis was performed."},
                      BlankName{3, "Run message filename information is corrupted. No analysis performed."}));

TEST(Kgo, MissingLineOfNamesFileIsABlankName) {
  KgoOptions opt;
  opt.names_lines = {"input.dat", "report.txt", "plot.txt"};
  auto r = run_kgo(minimal_deck(), opt);
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 217);
  EXPECT_TRUE(contains(r.stderr_text, "Run message filename information is corrupted. No analysis performed."));
}

TEST(Kgo, NamesAreCutAt256CharactersAndLinesAfterFourIgnored) {
  KgoOptions opt;
  // A report name of 260 characters is cut to its first 256.
  std::string prefix;
  for (int k = 0; k < 120; ++k) prefix += "./";
  opt.names_lines = {"input.dat", prefix + "report.txtabcdefghij", "plot.txt", "messages.txt", "ignored line", "x"};
  opt.keep_dir = true;
  auto r = run_kgo(minimal_deck(), opt);
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(std::filesystem::exists(r.dir + "/report.txtabcdef"));
  std::filesystem::remove_all(r.dir);
}

TEST(Kgo, EmptyInputFileIsInputError25) {
  auto r = run_kgo("");
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 125);
  EXPECT_TRUE(contains(r.messages,
                       "\n\n**** Input Data Error No. 25 ****\n\nSize of input data file is 0 bytes.  No analysis "
                       "performed.\n\n"));
  EXPECT_TRUE(contains(r.report,
                       "\n\nKavro ended prematurely due to input error number INP00025\n\n**** Input Data Error No. 25 "
                       "****\n\nLength of input file is 0 bytes.  No analysis can be performed.\n"));
  EXPECT_TRUE(contains(r.report, "\nThe analysis ended due to input error No. 25.\n\n"));
  EXPECT_TRUE(contains(r.messages, "\nThe analysis ended due to input error No. 25.\n\n"));
}

TEST(Kgo, MissingInputFileStopsWithRuntimeError18) {
  KgoOptions opt;
  opt.write_input = false;
  auto r = run_kgo("", opt);
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 218);
  EXPECT_TRUE(contains(r.stderr_text, "**** Runtime Error No. 18 ****"));
  EXPECT_TRUE(contains(r.stderr_text, "Cannot open the input data file \"input.dat\"."));
}

TEST(Kgo, UncreatableReportStopsWithRuntimeError19) {
  KgoOptions opt;
  opt.names_lines[1] = "no-such-folder/report.txt";
  auto r = run_kgo(minimal_deck(), opt);
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 219);
  EXPECT_TRUE(contains(r.stderr_text, "Cannot create the output report file \"no-such-folder/report.txt\"."));
}

TEST(Kgo, CurveNameListIsReadAndDeletedEvenOnInputError) {
  KgoOptions opt;
  opt.files = {{"M_vs_EI_report_names.txt", "a.txt\nb.txt\n"}};
  opt.keep_dir = true;
  auto r = run_kgo("KAVROP7\nNOT A KEYWORD\nEND\n", opt);
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 199);
  EXPECT_FALSE(std::filesystem::exists(r.dir + "/M_vs_EI_report_names.txt"));
  std::filesystem::remove_all(r.dir);
}

TEST(Kgo, UnknownKeywordIsEchoedWithInputError99) {
  auto r = run_kgo("KAVROP7\n OPTIONS\nEND\n");
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 199);
  std::string block = "\n\n***** INPUT ERROR *****\n\nThe following line is unrecognized or is out-of-order\n\n" +
                      (" OPTIONS" + std::string(248, ' ')) + "\n\n\n";
  EXPECT_TRUE(contains(r.report, block));
  EXPECT_TRUE(contains(r.messages, block));
  EXPECT_TRUE(contains(r.report, "Kavro ended prematurely due to input error number INP00099\n"));
  EXPECT_TRUE(contains(r.report, "The analysis ended due to input error No. 99."));
}

TEST(Kgo, WrongHeaderIsRejected) {
  auto r = run_kgo("KAVROP6\nEND\n");
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 182);
  EXPECT_TRUE(contains(r.messages, "The input data file does not begin with the header KAVROP7."));
}

TEST(Kgo, EndOfFileBeforeEndIsInputError80) {
  std::string deck = minimal_deck();
  deck.resize(deck.size() - 4);  // drop "END\n"
  auto r = run_kgo(deck);
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 180);
  EXPECT_TRUE(contains(r.messages, "The input data file ended after line 26 while reading the section keywords"));
}

TEST(Kgo, LoadCasesWithoutAPileAreAnInputError) {
  auto r = run_kgo(minimal_deck("Units USCS", "LOADING\n1\n1 1 1000.0 0.0 0.0 0\n0\n"));
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 190);
  EXPECT_TRUE(contains(r.report, "Problem:  Load cases are given but the pile has no sections (its length is zero)."));
}

TEST(Kgo, CliReportsStatusInWords) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("kavro-cli-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  {
    FILE* f = std::fopen((dir / "deck.inp").c_str(), "w");
    std::fputs(minimal_deck().c_str(), f);
    std::fclose(f);
  }
  std::string cmd = std::string(KAVRO_CLI_PATH) + " run " + (dir / "deck.inp").string() + " --out " +
                    (dir / "out").string() + " > " + (dir / "said.txt").string();
  int rc = std::system(cmd.c_str());
  EXPECT_EQ(WEXITSTATUS(rc), 0);
  FILE* f = std::fopen((dir / "said.txt").c_str(), "r");
  ASSERT_NE(f, nullptr);
  char buf[1024] = {};
  ASSERT_NE(std::fgets(buf, sizeof buf, f), nullptr);
  std::fclose(f);
  EXPECT_TRUE(contains(buf, "completed normally")) << buf;
  EXPECT_TRUE(fs::exists(dir / "out" / "deck.report"));
  EXPECT_TRUE(fs::exists(dir / "out" / "deck.plot"));
  EXPECT_TRUE(fs::exists(dir / "out" / "deck.messages"));
  fs::remove_all(dir);
}

}  // namespace

namespace {

// Analyses the input asks for that this version does not provide stop the
// run with runtime error 98 instead of ending normally without them.
TEST(Kgo, RequestedAnalysisNotAvailableStopsWithRuntimeError98) {
  std::string deck = kavro::test::read_source_file("examples/elastic_pipe_soft_clay.inp");
  const std::string from = "ComputePushover NO";
  deck.replace(deck.find(from), from.size(), "ComputePushover YES");
  deck.replace(deck.find("\nEND"), 4, "\nPILE PUSHOVER ANALYSIS DATA\n1\n0\n10\n5.0\n0.1\n0.0\nEND");
  auto r = run_kgo(deck);
  ASSERT_FALSE(r.crashed);
  if (r.status == 298) {
    EXPECT_TRUE(contains(r.report, "**** Runtime Error No. 98 ****\n\nThe push-over analysis is not available in this "
                                   "version of Kavro.\n"));
    EXPECT_TRUE(contains(r.report, "The analysis ended due to runtime error No. 98."));
    // The conventional results came first and stay in the report.
    EXPECT_TRUE(contains(r.messages, "Completed Analysis of All Pile Loading Cases"));
  } else {
    ADD_FAILURE() << "status " << r.status << "\n" << r.report.substr(r.report.size() > 2000 ? r.report.size() - 2000 : 0);
  }
}

}  // namespace
