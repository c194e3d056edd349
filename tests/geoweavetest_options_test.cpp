#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "program_runner.h"

namespace geoweave::detail {

namespace {

const char kWidthMessage[] = "-wWIDTH must specify positive width\n";
const char kZoomMessage[] = "-zZOOM must specify positive zoom\n";
const char kRiverMessage[] = "-rRIVERCOVERAGE must specify a non-negative value.";
const char kTurnsMessage[] = "-tTURNS must specify positive integer value\n";
const char kFileMessage[] = "-gIMAGEFILE must specify a filename\n";
const char kLongFileMessage[] = "-gIMAGEFILE must specify a filename of at most 503 characters\n";
const char kShareCapMessage[] = "-iSHARECAP must specify a positive share cap value\n";
const char kShareCapWarning[] =
    "warning: -i0.1 has set share cap to less than 0.2, which\n"
    "may result in the twelve triangle corner points being easily seen.";

std::string finiteMessage(const std::string& name) {
  return name + " must specify a finite value\n";
}

// A run stopped by the parser: its text, then the usage, on standard output
// only, and no file.
void expectStopped(const ProgramRun& run, const std::string& message) {
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, message + kUsage);
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(run.files.empty());
}

void expectFinished(const ProgramRun& run, const std::string& before, int turns) {
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, before + expectedProgress(turns));
  EXPECT_TRUE(isClosingLines(run.err)) << run.err;
}

TEST(CliUsage, HelpPrintsUsageAndExitsWithOne) {
  for (const char* arg : {"-h", "-H", "-hxyz"}) {
    SCOPED_TRACE(arg);
    expectStopped(runProgram({arg}), "");
  }
  // Help stops the parse like a failure: the options after it are not read.
  expectStopped(runProgram({"-w16", "-h", "-w0"}), "");
}

TEST(CliOptionErrors, FailedCheckPrintsItsMessageThenUsage) {
  const struct {
    const char* arg;
    const char* message;
  } cases[] = {
      {"-w0", kWidthMessage},     {"-w", kWidthMessage},  {"-w-5", kWidthMessage},
      {"-W0", kWidthMessage},     {"-z0", kZoomMessage},  {"-z-1", kZoomMessage},
      {"-r-5", kRiverMessage},    {"-t0", kTurnsMessage}, {"-tx", kTurnsMessage},
      {"-t", kTurnsMessage},      {"-g", kFileMessage},   {"-i0", kShareCapMessage},
      {"-i-1", kShareCapMessage},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arg);
    expectStopped(runProgram({c.arg}), c.message);
  }
}

TEST(CliOptionErrors, NonFiniteRealValuesAreRefusedByName) {
  const struct {
    const char* arg;
    const char* name;
  } cases[] = {
      {"-znan", "-zZOOM"},           {"-cinf", "-cRATIO"},
      {"-l-inf", "-lLANDCOVER"},     {"-r1e999", "-rRIVERCOVERAGE"},
      {"-iNaN", "-iSHARECAP"},       {"-ainfinity", "-aALTSHADEMUL"},
      {"-a-1e999", "-aALTSHADEMUL"}, {"-Z-nan", "-zZOOM"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arg);
    expectStopped(runProgram({c.arg}), finiteMessage(c.name));
  }
}

TEST(CliOptionErrors, UnrecognizedArgumentIsQuotedBeforeTheUsage) {
  // No line end: the usage's first line follows on the same line.
  for (const char* arg : {"-x", "-", "", "x", "--", "w16", "-#"}) {
    SCOPED_TRACE(arg);
    expectStopped(runProgram({arg}), std::string("Unrecognized option: \"") + arg + "\".");
  }
}

TEST(CliOptionErrors, FirstFailureStopsTheParse) {
  expectStopped(runProgram({"-w0", "-x"}), kWidthMessage);
  expectStopped(runProgram({"-w16", "-t1", "-t0", "-x", "-z0"}), kTurnsMessage);
  expectStopped(runProgram({"-x", "-w0"}), "Unrecognized option: \"-x\".");
  // Options before the failure were read: the warning of -i is already out.
  expectStopped(runProgram({"-i0.1", "-w0"}), std::string(kShareCapWarning) + kWidthMessage);
}

TEST(CliOptionErrors, ImageFileNameIsLimitedTo503Characters) {
  expectStopped(runProgram({"-g" + std::string(504, 'a')}), kLongFileMessage);
  expectStopped(runProgram({"-g" + std::string(10000, '%')}), kLongFileMessage);
  expectFinished(runProgram({"-g" + std::string(503, 'a'), "-w16", "-t1"}), "", 1);
}

TEST(CliWarnings, ShareCapBelowPointTwoWarnsAndRuns) {
  expectFinished(runProgram({"-i0.1", "-w16", "-t1"}), kShareCapWarning, 1);
  // The value is written with six significant digits.
  expectFinished(runProgram({"-I0.1234567", "-w16", "-t1"}),
                 "warning: -i0.123457 has set share cap to less than 0.2, which\n"
                 "may result in the twelve triangle corner points being easily seen.",
                 1);
  expectFinished(runProgram({"-i0.2", "-w16", "-t1"}), "", 1);
}

TEST(CliWarnings, NegativeAltitudeShadeWarnsAndRuns) {
  expectFinished(runProgram({"-a-1", "-w16", "-t1"}),
                 "warning: -a-1 is gonna look pretty lame when negative\n", 1);
  expectFinished(runProgram({"-a-0.25", "-w16", "-t1"}),
                 "warning: -a-0.25 is gonna look pretty lame when negative\n", 1);
  expectFinished(runProgram({"-a0", "-w16", "-t1"}), "", 1);
}

TEST(CliSeed, EmptySeedTakesTheClock) {
  const std::time_t before = std::time(nullptr);
  const ProgramRun run = runProgram({"-s", "-w16", "-t1"});
  const std::time_t after = std::time(nullptr);
  ASSERT_EQ(run.out.rfind("Seed = ", 0), 0u) << run.out;
  const size_t end = run.out.find('\n');
  ASSERT_NE(end, std::string::npos);
  const std::string number = run.out.substr(7, end - 7);
  ASSERT_FALSE(number.empty());
  ASSERT_TRUE(std::all_of(number.begin(), number.end(), ::isdigit)) << number;
  const long long seed = std::stoll(number);
  EXPECT_GE(seed, static_cast<long long>(before));
  EXPECT_LE(seed, static_cast<long long>(after));
  expectFinished(run, run.out.substr(0, end + 1), 1);
}

TEST(CliOverrides, LaterOptionReplacesAnEarlierOne) {
  const ProgramRun narrow = runProgram({"-w8", "-t1"});
  const ProgramRun wide = runProgram({"-w16", "-t1"});
  const ProgramRun both = runProgram({"-w8", "-W16", "-t1"});
  expectFinished(narrow, "", 1);
  expectFinished(both, "", 1);
  EXPECT_NE(statisticsOf(narrow.err), statisticsOf(wide.err));
  EXPECT_EQ(statisticsOf(both.err), statisticsOf(wide.err));
  // A later -s replaces the clock seed, but the "Seed = " line stays.
  const ProgramRun seeded = runProgram({"-s", "-s19800518", "-w16", "-t1"});
  EXPECT_EQ(seeded.out.rfind("Seed = ", 0), 0u);
  EXPECT_EQ(statisticsOf(seeded.err), statisticsOf(wide.err));
}

// Every option with hostile values: a clear message and exit code 1 where a
// check fails, otherwise a normal run (or, for the grid size, exit code 2),
// never a crash. The runs are tiny and write their one pair of pictures.
class CliFuzz : public testing::TestWithParam<char> {};

struct OptionChecks {
  char option;
  std::vector<std::string> messages;  // what may stop the parse
  bool gridMayFail;
};

OptionChecks checksFor(char option) {
  switch (option) {
    case 'w':
      return {option, {kWidthMessage}, true};
    case 'z':
      return {option, {kZoomMessage, finiteMessage("-zZOOM")}, true};
    case 'c':
      return {option, {finiteMessage("-cRATIO")}, false};
    case 'l':
      return {option, {finiteMessage("-lLANDCOVER")}, false};
    case 'r':
      return {option, {kRiverMessage, finiteMessage("-rRIVERCOVERAGE")}, false};
    case 't':
      return {option, {kTurnsMessage}, false};
    case 'g':
      return {option, {kFileMessage, kLongFileMessage}, false};
    case 'i':
      return {option, {kShareCapMessage, finiteMessage("-iSHARECAP")}, false};
    case 'a':
      return {option, {finiteMessage("-aALTSHADEMUL")}, false};
    case 'h':
      return {option, {""}, false};
    default:
      return {option, {}, false};
  }
}

std::vector<std::string> hostileValues() {
  return {"",
          "+",
          "-",
          "0",
          "-0",
          "1",
          "-1",
          " 7",
          "12abc",
          "0x10",
          "nan",
          "-nan",
          "inf",
          "-inf",
          "infinity",
          "1e999",
          "-1e999",
          "1e-999",
          "1e38",
          "-3.5e38",
          "1e-45",
          "2147483648",
          "-2147483649",
          "%",
          "%n",
          "%s%n%%",
          std::string(10000, '9'),
          std::string(10000, 'x')};
}

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST_P(CliFuzz, EveryValueEndsCleanly) {
  const OptionChecks checks = checksFor(GetParam());
  const std::string done = "\nDone generating planet\n" + std::string(60, '.');
  for (const std::string& value : hostileValues()) {
    const std::string arg = std::string("-") + checks.option + value;
    SCOPED_TRACE(arg.substr(0, 40));
    std::vector<std::string> args = {"-w16", "-t1", arg, "-v"};
    // A huge turn count parses but would run for ever: a later -t1 replaces it.
    if (checks.option == 't') args.push_back("-t1");
    const ProgramRun run = runProgram(args);
    if (run.exitCode == 0) {
      EXPECT_TRUE(endsWith(run.out, done)) << run.out;
      EXPECT_TRUE(isClosingLines(run.err)) << run.err;
      const std::string ground = checks.option == 'g' ? value + "0000.bmp" : "grnd0000.bmp";
      std::vector<std::string> files = {"all0000.bmp", ground};
      std::sort(files.begin(), files.end());
      EXPECT_EQ(run.files, files);
    } else if (run.exitCode == 1) {
      EXPECT_EQ(run.err, "");
      const bool known = std::any_of(checks.messages.begin(), checks.messages.end(),
                                     [&](const std::string& m) { return run.out == m + kUsage; });
      EXPECT_TRUE(known) << run.out.substr(0, 200);
    } else {
      EXPECT_TRUE(checks.gridMayFail && run.exitCode == 2) << "exit code " << run.exitCode;
      EXPECT_EQ(run.out.find("Prestoring"), std::string::npos);
      EXPECT_EQ(run.err.rfind("error: the grid for width ", 0), 0u) << run.err;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(CliOptions, CliFuzz, testing::ValuesIn(std::string("swzclrtgiahv")),
                         [](const testing::TestParamInfo<char>& info) {
                           return std::string(1, info.param);
                         });

}  // namespace

}  // namespace geoweave::detail
