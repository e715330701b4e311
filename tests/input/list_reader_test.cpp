// The free-format reader against the gfortran reference table
// (tests/data/list_read_table.txt, made by tests/input/gen/list_read_gen.f90),
// plus record handling, error reporting, damaged input and long records.
#include "input/list_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using kavro::input::LineSource;
using kavro::input::ListRead;
using kavro::input::read_text_line;
using kavro::input::ReadResult;
using kavro::input::ReadStatus;
using kavro::input::trim_right;

// ------------------------------------------------------------ table reader

std::uint64_t bits(double x) {
  std::uint64_t b;
  std::memcpy(&b, &x, sizeof b);
  return b;
}

double from_bits(std::uint64_t b) {
  double x;
  std::memcpy(&x, &b, sizeof x);
  return x;
}

// Reads a "..." string with the table's escapes starting at s[pos]; moves pos past it.
std::string unquote(const std::string& s, std::size_t& pos) {
  std::string out;
  if (pos >= s.size() || s[pos] != '"') throw std::runtime_error("expected a quoted string: " + s);
  for (++pos; pos < s.size() && s[pos] != '"'; ++pos) {
    if (s[pos] != '\\') {
      out.push_back(s[pos]);
      continue;
    }
    const char e = s.at(++pos);
    switch (e) {
      case 'n': out.push_back('\n'); break;
      case 't': out.push_back('\t'); break;
      case 'r': out.push_back('\r'); break;
      case '0': out.push_back('\0'); break;
      case 'x':
        out.push_back(static_cast<char>(std::stoi(s.substr(pos + 1, 2), nullptr, 16)));
        pos += 2;
        break;
      default: out.push_back(e);
    }
  }
  if (pos >= s.size()) throw std::runtime_error("unterminated string: " + s);
  ++pos;
  return out;
}

struct TableItem {
  char kind = 'I';  // I, R or A
  int width = 0;
  int int_before = 0, int_after = 0;
  std::uint64_t real_before = 0, real_after = 0;
  std::string text_before, text_after;
};

struct TableCase {
  int number = 0;
  std::string note;
  std::string input;
  ReadStatus status = ReadStatus::Ok;
  std::vector<TableItem> items;
  bool has_next = false;
  bool next_eof = false;
  std::string next;
};

std::vector<TableCase> load_table(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  std::vector<TableCase> cases;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    if (line.rfind("case ", 0) == 0) {
      cases.emplace_back();
      cases.back().number = std::stoi(line.substr(5));
      continue;
    }
    if (cases.empty()) continue;  // header comments
    TableCase& c = cases.back();
    std::istringstream ls(line);
    std::string key;
    ls >> key;
    if (key == "#") {
      if (c.note.empty()) c.note = line.substr(2);
    } else if (key == "input") {
      std::size_t pos = 6;
      c.input = unquote(line, pos);
    } else if (key == "status") {
      std::string s;
      ls >> s;
      c.status = s == "ok" ? ReadStatus::Ok : s == "eof" ? ReadStatus::EndOfFile : ReadStatus::BadValue;
    } else if (key == "I") {
      TableItem it;
      ls >> it.int_before >> it.int_after;
      c.items.push_back(it);
    } else if (key == "R") {
      TableItem it;
      it.kind = 'R';
      std::string a, b;
      ls >> a >> b;
      it.real_before = std::stoull(a, nullptr, 16);
      it.real_after = std::stoull(b, nullptr, 16);
      c.items.push_back(it);
    } else if (key[0] == 'A') {
      TableItem it;
      it.kind = 'A';
      it.width = std::stoi(key.substr(1));
      std::size_t pos = key.size() + 1;
      it.text_before = unquote(line, pos);
      ++pos;
      it.text_after = unquote(line, pos);
      c.items.push_back(it);
    } else if (key == "next") {
      c.has_next = true;
      if (line == "next eof") {
        c.next_eof = true;
      } else {
        std::size_t pos = 5;
        c.next = unquote(line, pos);
      }
    } else if (key != "end") {
      throw std::runtime_error("unknown table line: " + line);
    }
  }
  return cases;
}

std::string show(const std::string& s) {
  std::string out;
  for (char ch : s) {
    const auto u = static_cast<unsigned char>(ch);
    if (ch == '\n') out += "\\n";
    else if (u < 32 || u > 126) out += "\\x" + std::to_string(u);
    else out.push_back(ch);
  }
  return out;
}

TEST(ListReadTable, EveryCaseMatchesGfortran) {
  const std::vector<TableCase> cases = load_table(std::string(KAVRO_SOURCE_DIR) + "/tests/data/list_read_table.txt");
  ASSERT_FALSE(cases.empty());
  for (const TableCase& c : cases) {
    SCOPED_TRACE("case " + std::to_string(c.number) + " (" + c.note + "): \"" + show(c.input) + "\"");
    // Stable storage for the bound items.
    std::vector<int> ints;
    std::vector<double> reals;
    std::vector<std::string> texts;
    ints.reserve(c.items.size());
    reals.reserve(c.items.size());
    texts.reserve(c.items.size());
    LineSource src;
    src.open_text(c.input);
    ListRead rd(src);
    for (const TableItem& it : c.items) {
      if (it.kind == 'I') rd.integer(ints.emplace_back(it.int_before));
      if (it.kind == 'R') rd.real(reals.emplace_back(from_bits(it.real_before)));
      if (it.kind == 'A') rd.text(texts.emplace_back(it.text_before), it.width);
    }
    const ReadResult r = rd.run();
    EXPECT_EQ(r.status, c.status) << "token \"" << r.token << "\"";
    std::size_t ni = 0, nr = 0, na = 0;
    for (const TableItem& it : c.items) {
      if (it.kind == 'I') {
        EXPECT_EQ(ints[ni++], it.int_after);
      }
      if (it.kind == 'R') {
        EXPECT_EQ(bits(reals[nr]), it.real_after) << "value " << reals[nr];
        ++nr;
      }
      if (it.kind == 'A') {
        EXPECT_EQ(texts[na++], it.text_after);
      }
    }
    if (c.has_next) {
      std::string next;
      const bool got = src.next(next);
      EXPECT_EQ(got, !c.next_eof);
      if (got) {
        EXPECT_EQ(next, c.next);
      }
    }
  }
}

// ------------------------------------------------------------ records

TEST(LineSource, CountsRecordsWithAnyLineEnd) {
  LineSource src;
  src.open_text("one\r\ntwo\n\n  \nlast");
  const char* expected[] = {"one", "two", "", "  ", "last"};
  std::string line;
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(src.next(line));
    EXPECT_EQ(line, expected[i]);
    EXPECT_EQ(src.line_number(), i + 1);
    EXPECT_EQ(src.last_line(), expected[i]);
  }
  EXPECT_FALSE(src.next(line));
  EXPECT_FALSE(src.next(line));
  EXPECT_EQ(src.line_number(), 5);
}

TEST(LineSource, FileAndTextGiveTheSameRecords) {
  std::string data = "a\r\n\nb \r\n";
  data.push_back('\0');
  data += "\xff\xfe\r\r\nend";
  const std::string path = testing::TempDir() + "kavro_list_reader_records.txt";
  {
    std::ofstream out(path, std::ios::binary);
    out << data;
  }
  LineSource file, text;
  ASSERT_TRUE(file.open(path));
  text.open_text(data);
  std::string a, b;
  int n = 0;
  while (text.next(b)) {
    ASSERT_TRUE(file.next(a));
    EXPECT_EQ(a, b);
    EXPECT_EQ(file.line_number(), ++n);
  }
  EXPECT_FALSE(file.next(a));
  EXPECT_EQ(n, 5);
  file.close();
  EXPECT_FALSE(file.is_open());
  EXPECT_FALSE(file.next(a));
  // Reopening starts the count again.
  ASSERT_TRUE(file.open(path));
  ASSERT_TRUE(file.next(a));
  EXPECT_EQ(file.line_number(), 1);
  std::remove(path.c_str());
}

TEST(LineSource, MissingFileIsNotOpen) {
  LineSource src;
  EXPECT_FALSE(src.open(testing::TempDir() + "kavro_no_such_dir/none.txt"));
  EXPECT_FALSE(src.is_open());
  std::string line;
  EXPECT_FALSE(src.next(line));
  int n = 5;
  EXPECT_EQ(ListRead(src).integer(n).run().status, ReadStatus::EndOfFile);
  EXPECT_EQ(n, 5);
}

// ------------------------------------------------------------ results

TEST(ListRead, ReportsTheRecordWhereTheReadEnded) {
  LineSource src;
  src.open_text("Label\n\n 10,\n 2.5 left over\n 7 / 8\nnext x 3.0\nafter\n");
  std::string label;
  int n = 0, m = 0;
  double x = 0;
  ReadResult r = ListRead(src).text(label, 16).integer(n).real(x).run();
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(r.line_number, 4);
  EXPECT_EQ(r.line, " 2.5 left over");
  EXPECT_EQ(label, "Label           ");
  EXPECT_EQ(n, 10);
  EXPECT_EQ(x, 2.5);

  // Slash: ends on its record, the rest of that record is dropped.
  r = ListRead(src).integer(n).integer(m).run();
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(r.line_number, 5);
  EXPECT_EQ(n, 7);
  EXPECT_EQ(m, 0);

  // A bad value names its record and the token.
  r = ListRead(src).text(label, 4).integer(n).run();
  EXPECT_EQ(r.status, ReadStatus::BadValue);
  EXPECT_EQ(r.line_number, 6);
  EXPECT_EQ(r.line, "next x 3.0");
  EXPECT_EQ(r.token, "x");
  EXPECT_EQ(label, "next");
  EXPECT_EQ(n, 7);

  // The next read starts on the following record.
  r = ListRead(src).text(label, 5).run();
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(label, "after");
  EXPECT_EQ(r.line_number, 7);
}

TEST(ListRead, EndOfFileInMidReadKeepsWhatWasRead) {
  LineSource src;
  src.open_text("1 2\n\n   \n");
  int a = 0, b = 0, c = -9;
  const ReadResult r = ListRead(src).integer(a).integer(b).integer(c).run();
  EXPECT_EQ(r.status, ReadStatus::EndOfFile);
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.line_number, 3);
  EXPECT_EQ(r.line, "   ");
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(c, -9);
  // Nothing left: every further read ends the same way.
  EXPECT_EQ(ListRead(src).integer(a).run().status, ReadStatus::EndOfFile);
  EXPECT_EQ(ListRead(src).run().status, ReadStatus::EndOfFile);
}

TEST(ListRead, BadValueTokens) {
  struct Case {
    const char* input;
    char kind;  // item list: 'I' integer, integer; 'R' real, real; 'A' text, integer
    const char* token;
  };
  const Case cases[] = {
      {"1 3.0", 'I', "3.0"},
      {"1 2147483648", 'I', "2147483648"},
      {"0*1 2", 'I', "0*1"},
      {"200000001*1", 'I', "200000001*1"},
      {"1,-2*5", 'I', "-2*5"},
      {"1 '5'", 'I', "'5'"},
      {"1 .", 'R', "."},
      {"1 .e5", 'R', ".e5"},
      {"1 .*7", 'R', ".*7"},
      {"1 1.5e+/", 'R', "1.5e+"},
      {"'abc'def x", 'A', "'abc'def"},
      {"'a''b'c,", 'A', "'a''b'c"},
      {"2*xy", 'A', "2*xy"},  // a text repeat given to the integer item
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    LineSource src;
    src.open_text(c.input);
    int i = -1, j = -2;
    double x = -1, y = -2;
    std::string s;
    ListRead rd(src);
    if (c.kind == 'I') rd.integer(i).integer(j);
    if (c.kind == 'R') rd.real(x).real(y);
    if (c.kind == 'A') rd.text(s, 8).integer(j);
    const ReadResult r = rd.run();
    EXPECT_EQ(r.status, ReadStatus::BadValue);
    EXPECT_EQ(r.token, c.token);
    EXPECT_EQ(r.line_number, 1);
    EXPECT_EQ(r.line, c.input);
    // A bad value never changes its item (gfortran stores 0 for "." first).
    EXPECT_EQ(j, -2);
    EXPECT_EQ(y, -2);
  }
}

TEST(ListRead, SlashAtTheStartOfAContinuationRecordEndsTheRead) {
  // gfortran 12 would still read the 9 into the third item.
  for (const char* input : {"1 2\n/9\nnext\n", "1 2\n  /9 8\nnext\n", "1 2,\n/9\nnext\n"}) {
    SCOPED_TRACE(input);
    LineSource src;
    src.open_text(input);
    int a = 0, b = 0, c = -3;
    const ReadResult r = ListRead(src).integer(a).integer(b).integer(c).run();
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.line_number, 2);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, -3);
  }
}

TEST(ListRead, QuotedTextOverSeveralRecordsReportsTheLastOne) {
  LineSource src;
  src.open_text("'first\nsecond\nthird' 5\n");
  std::string s;
  int n = 0;
  const ReadResult r = ListRead(src).text(s, 20).integer(n).run();
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(s, "firstsecondthird    ");
  EXPECT_EQ(n, 5);
  EXPECT_EQ(r.line_number, 3);
}

// ------------------------------------------------------------ text lines

TEST(TextLine, PadsCutsAndTrims) {
  LineSource src;
  const std::string long_line(300, 'x');
  src.open_text("OPTIONS  \r\n" + long_line + "\n\n");
  std::string line;
  ASSERT_TRUE(read_text_line(src, line));
  EXPECT_EQ(line.size(), 256u);
  EXPECT_EQ(trim_right(line), "OPTIONS");
  ASSERT_TRUE(read_text_line(src, line));
  EXPECT_EQ(line, std::string(256, 'x'));
  ASSERT_TRUE(read_text_line(src, line));
  EXPECT_EQ(line, std::string(256, ' '));
  EXPECT_EQ(trim_right(line), "");
  EXPECT_FALSE(read_text_line(src, line));
  EXPECT_EQ(src.line_number(), 3);

  EXPECT_EQ(trim_right(" GROUP EFFECT FACTORS \t "), " GROUP EFFECT FACTORS \t");
  EXPECT_EQ(trim_right(""), "");
}

// ------------------------------------------------------------ damaged input

// Deterministic byte generator for the damaged-input tests.
struct Bytes {
  std::uint32_t state;
  unsigned next() {
    state = state * 1664525u + 1013904223u;
    return state >> 24;
  }
};

// Reads `data` to its end with a rotating mix of items; checks that every
// read ends with a defined status and that text items keep their widths.
void read_to_end(LineSource& src) {
  int reads = 0;
  for (;;) {
    int i1 = 0, i2 = 0;
    double r1 = 0, r2 = 0;
    std::string t1(3, ' '), t2(16, ' ');
    ListRead rd(src);
    switch (reads % 4) {
      case 0: rd.integer(i1).real(r1).text(t1, 3); break;
      case 1: rd.text(t2, 16).integer(i2).integer(i1); break;
      case 2: rd.real(r1).real(r2).text(t2, 16).text(t1, 3); break;
      default: rd.integer(i1); break;
    }
    const ReadResult r = rd.run();
    ASSERT_TRUE(r.status == ReadStatus::Ok || r.status == ReadStatus::EndOfFile ||
                r.status == ReadStatus::BadValue);
    ASSERT_EQ(t1.size(), 3u);
    ASSERT_EQ(t2.size(), 16u);
    if (r.status == ReadStatus::EndOfFile) break;
    ++reads;
  }
  EXPECT_GT(reads, 0);
}

TEST(DamagedInput, BinaryJunkNeverBreaksTheReader) {
  Bytes g{12345};
  std::string data;
  for (int i = 0; i < 200000; ++i) data.push_back(static_cast<char>(g.next()));
  LineSource src;
  src.open_text(data);
  read_to_end(src);

  const std::string path = testing::TempDir() + "kavro_list_reader_junk.bin";
  {
    std::ofstream out(path, std::ios::binary);
    out << data;
  }
  LineSource file;
  ASSERT_TRUE(file.open(path));
  read_to_end(file);
  std::remove(path.c_str());
}

TEST(DamagedInput, ShuffledSyntaxCharacters) {
  // Characters that steer the parser: numbers, exponents, repeats, quotes, separators.
  const char alphabet[] = "0123456789+-.eEdDqQ*'\"/,; \t\r\n\nnaifINF()x";
  Bytes g{777};
  std::string data;
  for (int i = 0; i < 200000; ++i) data.push_back(alphabet[g.next() % (sizeof alphabet - 1)]);
  LineSource src;
  src.open_text(data);
  read_to_end(src);
}

// ------------------------------------------------------------ long records

TEST(LongRecords, ValuesFarIntoARecordAndAQuotedValueOverManyRecords) {
  std::string data(500000, ' ');
  data += "42 2.5\n'";
  for (int i = 0; i < 1000; ++i) data += std::string(100, 'q') + "\n";
  data += "' 7\n";
  LineSource src;
  src.open_text(data);
  int n = 0;
  double x = 0;
  std::string s;
  ReadResult r = ListRead(src).integer(n).real(x).run();
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(n, 42);
  EXPECT_EQ(x, 2.5);
  r = ListRead(src).text(s, 256).integer(n).run();
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(s, std::string(256, 'q'));
  EXPECT_EQ(n, 7);
  EXPECT_EQ(r.line_number, 1002);
}

TEST(LongRecords, OverlongRecordIsCutAndCountedOnce) {
  const std::size_t max = LineSource::kMaxRecordLength;
  std::string data(max + 1000, '9');
  data += "\nnext\n";
  const std::string path = testing::TempDir() + "kavro_list_reader_long.txt";
  {
    std::ofstream out(path, std::ios::binary);
    out << data;
  }
  LineSource text, file;
  text.open_text(data);
  ASSERT_TRUE(file.open(path));
  for (LineSource* src : {&text, &file}) {
    std::string line;
    ASSERT_TRUE(src->next(line));
    EXPECT_EQ(line.size(), max);
    ASSERT_TRUE(src->next(line));
    EXPECT_EQ(line, "next");
    EXPECT_EQ(src->line_number(), 2);
  }
  // A number of a million digits is simply out of range.
  text.open_text(data);
  int n = 3;
  const ReadResult r = ListRead(text).integer(n).run();
  EXPECT_EQ(r.status, ReadStatus::BadValue);
  EXPECT_EQ(n, 3);
  std::remove(path.c_str());
}

}  // namespace
