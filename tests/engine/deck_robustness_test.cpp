// Truncated and garbled versions of a small complete deck end with a clear
// error or a clean run, never a crash.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/run_kgo.h"

using kavro::test::minimal_deck;
using kavro::test::run_kgo;

namespace {

std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

std::string join(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\n";
  return s;
}

void expect_clean_end(const std::string& deck, const std::string& what) {
  auto r = run_kgo(deck);
  ASSERT_FALSE(r.crashed) << what;
  const bool clean = r.status == 0 || (r.status > 100 && r.status < 300);
  EXPECT_TRUE(clean) << what << " status " << r.status;
  if (r.status > 100 && r.status < 200) {
    EXPECT_NE(r.messages.find("The analysis ended due to input error No. "), std::string::npos) << what;
  }
}

TEST(DeckRobustness, EveryPrefixEndsCleanly) {
  const auto lines = split_lines(minimal_deck());
  for (std::size_t n = 0; n <= lines.size(); ++n) {
    std::vector<std::string> part(lines.begin(), lines.begin() + n);
    expect_clean_end(join(part), "prefix of " + std::to_string(n) + " lines");
  }
  // A prefix cut inside a line.
  const std::string deck = minimal_deck();
  for (std::size_t n = 1; n < deck.size(); n += 7) expect_clean_end(deck.substr(0, n), "prefix of bytes");
}

TEST(DeckRobustness, GarbledLinesEndCleanly) {
  const auto lines = split_lines(minimal_deck());
  for (std::size_t k = 0; k < lines.size(); ++k) {
    auto deleted = lines;
    deleted.erase(deleted.begin() + k);
    expect_clean_end(join(deleted), "line " + std::to_string(k + 1) + " deleted");

    auto garbled = lines;
    std::size_t sp = garbled[k].rfind(' ');
    garbled[k] = sp == std::string::npos ? "abc" : garbled[k].substr(0, sp + 1) + "abc";
    expect_clean_end(join(garbled), "line " + std::to_string(k + 1) + " garbled");
  }
  expect_clean_end(std::string("KAVROP7\n\x01\xff\xfe binary\0junk\n", 24), "binary junk");
}

}  // namespace
