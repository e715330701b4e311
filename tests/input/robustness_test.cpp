// Damaged versions of the bundled example decks: every prefix by lines, and
// variants with one token replaced by text or one line deleted. Each must end
// with a clear error or a clean run, never with a crash, an abort or a
// sanitizer report.
//
// The child process of run_kgo has no time limit, so the number of runs is
// kept small: all prefixes (they end early, at the end of the file), and an
// evenly spread sample of token and line positions per deck. A deck whose
// damage still leaves a complete input runs the whole analysis; a soft time
// budget per deck skips the remaining variants rather than let the test run
// for minutes once the analyses are slow in a debug build.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/run_kgo.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;

constexpr int kTokenSamples = 16;  // token positions replaced by "abc", per deck
constexpr int kLineSamples = 16;   // lines deleted, per deck
constexpr double kBudgetSeconds = 25.0;

std::vector<std::string> example_names() {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(fs::path(KAVRO_SOURCE_DIR) / "examples", ec))
    if (e.path().extension() == ".inp" && e.path().filename().string().rfind("rejected_", 0) != 0)
      names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

std::string join(const std::vector<std::string>& lines, std::size_t count) {
  std::string s;
  for (std::size_t i = 0; i < count && i < lines.size(); ++i) s += lines[i] + "\n";
  return s;
}

// A clear end: a clean run, a run with warnings, or a stop with a numbered
// input or runtime error (99 is the end of an analysis that meets massive
// rock; 999 an internal error with its own message block).
void expect_clean_end(const std::string& deck, const std::string& what) {
  const test::KgoRun r = test::run_kgo(deck);
  ASSERT_FALSE(r.crashed) << what << "\n--- stderr:\n" << r.stderr_text;
  const int s = r.status;
  const bool input_error = s >= 101 && s <= 199;
  const bool clear = s <= 0 || s == 99 || input_error || (s >= 201 && s <= 299) || s == 999;
  EXPECT_TRUE(clear) << what << ": status " << s;
  if (input_error) {
    EXPECT_NE(r.messages.find("The analysis ended due to input error No. "), std::string::npos)
        << what << "\n--- messages:\n" << r.messages;
  }
}

// Positions 0..n-1 thinned to at most `samples`, spread evenly.
std::vector<std::size_t> spread(std::size_t n, int samples) {
  std::vector<std::size_t> v;
  const std::size_t count = std::min<std::size_t>(n, static_cast<std::size_t>(samples));
  for (std::size_t i = 0; i < count; ++i) v.push_back(i * n / count);
  return v;
}

struct Token {
  std::size_t line, begin, length;
};

// Tokens of every line but the five title lines (free text, which any
// replacement leaves valid).
std::vector<Token> tokens_of(const std::vector<std::string>& lines) {
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i >= 2 && i <= 6) continue;
    const std::string& l = lines[i];
    std::size_t p = 0;
    while (p < l.size()) {
      while (p < l.size() && (l[p] == ' ' || l[p] == ',' || l[p] == '\r')) ++p;
      const std::size_t b = p;
      while (p < l.size() && l[p] != ' ' && l[p] != ',' && l[p] != '\r') ++p;
      if (p > b) tokens.push_back({i, b, p - b});
    }
  }
  return tokens;
}

class DamagedExample : public ::testing::TestWithParam<std::string> {};

TEST_P(DamagedExample, EndsWithAClearErrorOrACleanRun) {
  const auto start = std::chrono::steady_clock::now();
  const auto lines = lines_of(test::read_source_file("examples/" + GetParam()));
  ASSERT_GT(lines.size(), 7u);

  // Every prefix by whole lines, the empty file included.
  for (std::size_t n = 0; n < lines.size(); ++n) {
    expect_clean_end(join(lines, n), "first " + std::to_string(n) + " lines");
    if (HasFatalFailure()) return;
  }

  auto over_budget = [&] {
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (s <= kBudgetSeconds) return false;
    std::printf("%s: time budget of %.0f s used up, remaining variants skipped\n", GetParam().c_str(), kBudgetSeconds);
    return true;
  };

  const auto tokens = tokens_of(lines);
  for (std::size_t k : spread(tokens.size(), kTokenSamples)) {
    if (over_budget()) return;
    const Token& t = tokens[k];
    auto damaged = lines;
    damaged[t.line].replace(t.begin, t.length, "abc");
    expect_clean_end(join(damaged, damaged.size()),
                     "line " + std::to_string(t.line + 1) + " \"" + lines[t.line] + "\" with token " +
                         lines[t.line].substr(t.begin, t.length) + " replaced by abc");
    if (HasFatalFailure()) return;
  }

  for (std::size_t k : spread(lines.size(), kLineSamples)) {
    if (over_budget()) return;
    auto damaged = lines;
    damaged.erase(damaged.begin() + static_cast<std::ptrdiff_t>(k));
    expect_clean_end(join(damaged, damaged.size()),
                     "line " + std::to_string(k + 1) + " \"" + lines[k] + "\" deleted");
    if (HasFatalFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, DamagedExample, ::testing::ValuesIn(example_names()),
                         [](const ::testing::TestParamInfo<std::string>& i) {
                           std::string n = i.param.substr(0, i.param.size() - 4);
                           for (char& c : n)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return n;
                         });

}  // namespace
}  // namespace kavro
