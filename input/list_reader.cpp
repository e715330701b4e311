// Free-format (list-directed) reading of the input file.
//
// The reader reproduces the list-directed READ of gfortran 12 (libgfortran),
// the reference for the free format; tests/data/list_read_table.txt holds
// gfortran's results for the cases below. Besides the rules in
// list_reader.h, these details follow gfortran:
// - Blanks are the space, the tab and a CR that is not part of a line end.
//   Records holding only blanks are skipped while a read looks for values.
// - An end of record is a blank separator. A comma after a separator that
//   already held a comma is a null value, also across records: "1," / ",3"
//   leaves the second item unchanged. A comma that comes first after a record
//   end is only a separator ("1" / ",3" gives 3 to the second item), and it
//   is forgotten at the next record end ("1" / "," / ",3" gives 3 too). A
//   comma first on the first record is a null value (",3"), but not after an
//   empty first record ("" / ",3").
// - A semicolon is taken as a comma (gfortran 12 does so even in decimal
//   point mode; later versions reject it), except that a semicolon after a
//   record end is always a null value: "1" / ";5" leaves the second item
//   unchanged and gives 5 to the third.
// - A slash ends the read wherever it stands. (gfortran 12 still reads a
//   value glued to a slash at the start of a continuation record, "1 2" /
//   "/9" giving 9 to a third item; that contradicts the slash rule and is
//   not copied.)
// - r*v: r is unsigned digits directly followed by '*'; r = 0 and r greater
//   than 200000000 are bad values. "r*" followed by a separator or the end of
//   the record is r null values. A repeated value keeps the type of the item
//   that first read it: "2*5" for an integer and then a real item is a bad
//   value, as in gfortran. "-2*5" is a bad number; for a text item "+2*ab"
//   is the text "+2*ab". A text "12abc" is text, "12*" is a null repeat.
// - Integers: optional sign and decimal digits only; "3.0" and "1e2" are bad
//   values; a value outside the 32-bit range is a bad value.
// - Reals: optional sign, digits with an optional point (at least one digit:
//   "." and ".e5" are bad), then optionally an exponent letter E, D or Q (any
//   case) with an optional sign and at least one digit, or a sign and digits
//   alone ("1.5+3", "1.5-3"). "1.5e", "1.5e+", "1+" and "+" are bad values.
//   "inf", "infinity" and "nan", optionally signed and in any case, are
//   accepted, as is "nan(...)" with any characters but a closing parenthesis
//   inside. Values too large become +-infinity and values too small +-0 (or a
//   denormal), like strtod, which gfortran uses. (gfortran stores 0 into the
//   item before it reports the error for "." or ".e5", and takes ".*7" as a
//   repeat of 7; here these are plain bad values, which never change their
//   item.)
// - The conversion is exactly rounded and independent of the C locale.
// - Text: an unquoted value runs up to a blank, comma, semicolon or slash. A
//   quoted value may continue over following records (the line end adds no
//   character) and must be followed by a separator or the end of the record;
//   "'abc'def" is a bad value. When the file ends inside a quoted value, the
//   characters collected so far are its value; the read then fails with
//   EndOfFile only if a later item still needs a value.
// - A read without items skips one record.
// - Values already stored when a read fails keep their new values.
#include "input/list_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace kavro::input {

// ---------------------------------------------------------------- LineSource

LineSource::~LineSource() { close(); }

bool LineSource::open(const std::string& path) {
  close();
  f_ = std::fopen(path.c_str(), "rb");
  if (f_ == nullptr) return false;
  open_ = true;
  return true;
}

void LineSource::open_text(const std::string& text) {
  close();
  text_ = text;
  text_pos_ = 0;
  from_text_ = true;
  open_ = true;
}

void LineSource::close() {
  if (f_ != nullptr) std::fclose(f_);
  f_ = nullptr;
  open_ = false;
  from_text_ = false;
  text_.clear();
  text_pos_ = 0;
  line_no_ = 0;
  last_.clear();
}

bool LineSource::next(std::string& line) {
  line.clear();
  if (!open_) return false;
  bool got = false;  // a character or a line end was read
  if (from_text_) {
    if (text_pos_ >= text_.size()) return false;
    std::size_t end = text_.find('\n', text_pos_);
    if (end == std::string::npos) end = text_.size();
    const std::size_t n = std::min(end - text_pos_, kMaxRecordLength);
    line.assign(text_, text_pos_, n);
    text_pos_ = end < text_.size() ? end + 1 : end;
    got = true;
  } else {
    if (f_ == nullptr) return false;
    int c;
    while ((c = std::getc(f_)) != EOF) {
      got = true;
      if (c == '\n') break;
      if (line.size() < kMaxRecordLength) line.push_back(static_cast<char>(c));
    }
    if (!got) return false;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  ++line_no_;
  last_ = line;
  return true;
}

// ------------------------------------------------------------------ parsing

namespace {

constexpr long kMaxRepeat = 200000000;  // gfortran's largest repeat count

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool is_separator(char c) { return is_blank(c) || c == ',' || c == ';' || c == '/'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool iequals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != b[i]) return false;
  return true;
}

bool parse_int(std::string_view t, int& out) {
  std::size_t i = 0;
  bool neg = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) neg = t[i++] == '-';
  if (i == t.size()) return false;
  long long v = 0;
  const long long limit = neg ? 2147483648LL : 2147483647LL;
  for (; i < t.size(); ++i) {
    if (!is_digit(t[i])) return false;
    if (v <= limit) v = v * 10 + (t[i] - '0');  // stops growing once out of range
  }
  if (v > limit) return false;
  out = static_cast<int>(neg ? -v : v);
  return true;
}

// Reads the real number `t` (a whole token). `buf` is scratch space.
bool parse_real(std::string_view t, double& out, std::string& buf) {
  std::size_t i = 0;
  bool neg = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) neg = t[i++] == '-';
  const std::string_view rest = t.substr(i);
  if (iequals(rest, "inf") || iequals(rest, "infinity")) {
    out = neg ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    return true;
  }
  if (rest.size() >= 3 && iequals(rest.substr(0, 3), "nan")) {
    const std::string_view paren = rest.substr(3);
    if (!paren.empty() && (paren.front() != '(' || paren.find(')') != paren.size() - 1)) return false;
    out = std::copysign(std::numeric_limits<double>::quiet_NaN(), neg ? -1.0 : 1.0);
    return true;
  }

  buf.clear();
  if (neg) buf.push_back('-');
  std::size_t int_digits = 0, int_lead_zeros = 0, frac_digits = 0, frac_lead_zeros = 0;
  bool all_zero_so_far = true;
  for (; i < t.size() && is_digit(t[i]); ++i) {
    if (all_zero_so_far && t[i] == '0') ++int_lead_zeros; else all_zero_so_far = false;
    ++int_digits;
    buf.push_back(t[i]);
  }
  if (i < t.size() && t[i] == '.') {
    buf.push_back('.');
    for (++i; i < t.size() && is_digit(t[i]); ++i) {
      if (all_zero_so_far && t[i] == '0') ++frac_lead_zeros; else all_zero_so_far = false;
      ++frac_digits;
      buf.push_back(t[i]);
    }
  }
  if (int_digits + frac_digits == 0) return false;

  long exp10 = 0;  // saturated value of the exponent, for the range fallback
  if (i < t.size()) {
    const char c = lower(t[i]);
    if (c == 'e' || c == 'd' || c == 'q') ++i;
    else if (c != '+' && c != '-') return false;
    buf.push_back('e');
    bool exp_neg = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
      exp_neg = t[i] == '-';
      buf.push_back(t[i++]);
    }
    if (i == t.size()) return false;
    for (; i < t.size(); ++i) {
      if (!is_digit(t[i])) return false;
      if (exp10 < 1000000000L) exp10 = exp10 * 10 + (t[i] - '0');
      buf.push_back(t[i]);
    }
    if (exp_neg) exp10 = -exp10;
  }

  double v = 0.0;
  const auto [ptr, ec] = std::from_chars(buf.data(), buf.data() + buf.size(), v);
  if (ec == std::errc::result_out_of_range) {
    // Overflow or underflow: the decimal exponent of the leading digit tells which.
    const long lead = int_digits > int_lead_zeros ? static_cast<long>(int_digits - int_lead_zeros)
                                                  : -static_cast<long>(frac_lead_zeros);
    v = exp10 + lead > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    if (neg) v = -v;
  } else if (ec != std::errc() || ptr != buf.data() + buf.size()) {
    return false;
  }
  out = v;
  return true;
}

void store_text(std::string& s, std::string_view v, int width) {
  const std::size_t w = width > 0 ? static_cast<std::size_t>(width) : 0;
  s.assign(v.substr(0, std::min(v.size(), w)));
  s.resize(w, ' ');
}

// Position in the current record of a read.
class Cursor {
 public:
  explicit Cursor(LineSource& src) : src_(src) {}
  bool next_record() {
    pos_ = 0;
    return src_.next(rec_);
  }
  bool at_end() const { return pos_ >= rec_.size(); }
  char peek() const { return rec_[pos_]; }
  void advance(std::size_t n = 1) { pos_ += n; }
  std::size_t pos() const { return pos_; }
  int record_number() const { return src_.line_number(); }
  const std::string& record() const { return rec_; }
  void skip_blanks() {
    while (!at_end() && is_blank(rec_[pos_])) ++pos_;
  }
  bool at_value_end() const { return at_end() || is_separator(rec_[pos_]); }
  // The characters from the cursor up to the next separator or record end.
  std::string_view token() const {
    std::size_t e = pos_;
    while (e < rec_.size() && !is_separator(rec_[e])) ++e;
    return std::string_view(rec_).substr(pos_, e - pos_);
  }

 private:
  LineSource& src_;
  std::string rec_;
  std::size_t pos_ = 0;
};

}  // namespace

// ------------------------------------------------------------------ ListRead

ListRead& ListRead::integer(int& v) {
  items_.push_back({Kind::Int, &v, 0});
  return *this;
}

ListRead& ListRead::real(double& v) {
  items_.push_back({Kind::Real, &v, 0});
  return *this;
}

ListRead& ListRead::text(std::string& s, int width) {
  items_.push_back({Kind::Text, &s, width});
  return *this;
}

ReadResult ListRead::run() {
  ReadResult res;
  Cursor cur(src_);
  auto finish = [&](ReadStatus st, std::string_view token = {}) {
    res.status = st;
    res.line_number = src_.line_number();
    res.line = src_.last_line();
    res.token.assign(token);
    return res;
  };

  // Every read starts on a new record (a read without items just skips it).
  if (!cur.next_record()) return finish(ReadStatus::EndOfFile);

  // Pending repetitions of the last r*v or r* value.
  long repeat_left = 0;
  bool repeat_null = false;
  Kind repeat_kind = Kind::Int;
  int repeat_int = 0;
  double repeat_real = 0.0;
  std::string repeat_text;
  std::string repeat_token;

  std::string text;     // value of a text item
  std::string scratch;  // real number conversion
  // Separator state. `comma`: whether a comma (or semicolon) here would be
  // a null value: after a value, None; after a comma on the value's record or
  // a null value, Strong, which lasts over record ends; after a comma that
  // came first after a record end, or at the start of the read, Weak, which
  // the next record end clears. `record_end_seen`: a record end was passed
  // since the last value or separator.
  enum class Comma { None, Weak, Strong };
  Comma comma = Comma::Weak;
  bool record_end_seen = false;

  for (const Item& item : items_) {
    if (repeat_left > 0) {
      --repeat_left;
      if (repeat_null) continue;
      if (repeat_kind != item.kind) return finish(ReadStatus::BadValue, repeat_token);
      switch (item.kind) {
        case Kind::Int: *static_cast<int*>(item.target) = repeat_int; break;
        case Kind::Real: *static_cast<double*>(item.target) = repeat_real; break;
        case Kind::Text: store_text(*static_cast<std::string*>(item.target), repeat_text, item.width); break;
      }
      continue;
    }

    // Find the start of the next value, a null value or the slash.
    bool null_value = false;
    for (;;) {
      cur.skip_blanks();
      if (cur.at_end()) {
        if (!cur.next_record()) return finish(ReadStatus::EndOfFile);
        if (comma == Comma::Weak) comma = Comma::None;
        record_end_seen = true;
        continue;
      }
      const char c = cur.peek();
      if (c == ',' || c == ';') {
        cur.advance();
        const bool null_here = comma != Comma::None || (c == ';' && record_end_seen);
        comma = (null_here || !record_end_seen) ? Comma::Strong : Comma::Weak;
        record_end_seen = false;
        if (null_here) {
          null_value = true;
          break;
        }
        continue;
      }
      if (c == '/') return finish(ReadStatus::Ok);
      break;
    }
    if (null_value) continue;
    comma = Comma::None;
    record_end_seen = false;

    // Repeat count: unsigned digits directly followed by '*'.
    long count = 1;
    {
      const std::string& rec = cur.record();
      std::size_t j = cur.pos();
      while (j < rec.size() && is_digit(rec[j])) ++j;
      if (j > cur.pos() && j < rec.size() && rec[j] == '*') {
        repeat_token.assign(cur.token());
        count = 0;
        for (std::size_t k = cur.pos(); k < j; ++k) {
          count = count * 10 + (rec[k] - '0');
          if (count > kMaxRepeat) return finish(ReadStatus::BadValue, repeat_token);
        }
        if (count == 0) return finish(ReadStatus::BadValue, repeat_token);
        cur.advance(j + 1 - cur.pos());
        if (cur.at_value_end()) {  // r* : r null values
          repeat_left = count - 1;
          repeat_null = true;
          continue;
        }
      }
    }

    switch (item.kind) {
      case Kind::Int: {
        const std::string_view tok = cur.token();
        int v = 0;
        if (!parse_int(tok, v)) return finish(ReadStatus::BadValue, tok);
        cur.advance(tok.size());
        *static_cast<int*>(item.target) = v;
        repeat_int = v;
        break;
      }
      case Kind::Real: {
        const std::string_view tok = cur.token();
        double v = 0.0;
        if (!parse_real(tok, v, scratch)) return finish(ReadStatus::BadValue, tok);
        if (!std::isfinite(v) && res.non_finite.empty()) {
          res.non_finite.assign(tok);
          res.non_finite_line = cur.record_number();
          res.non_finite_record = cur.record();
        }
        cur.advance(tok.size());
        *static_cast<double*>(item.target) = v;
        repeat_real = v;
        break;
      }
      case Kind::Text: {
        auto& target = *static_cast<std::string*>(item.target);
        const char q = cur.peek();
        if (q == '\'' || q == '"') {
          const int start_record = cur.record_number();
          const std::size_t start_pos = cur.pos();
          text.clear();
          cur.advance();
          for (;;) {
            if (cur.at_end()) {
              if (!cur.next_record()) break;  // the file ended inside the quotes
              continue;
            }
            const char c = cur.peek();
            cur.advance();
            if (c == q) {
              if (cur.at_end() || cur.peek() != q) break;
              cur.advance();  // a doubled quote stands for one
            }
            text.push_back(c);
          }
          if (!cur.at_value_end()) {
            const std::size_t tail = cur.token().size();
            if (cur.record_number() == start_record)
              return finish(ReadStatus::BadValue,
                            std::string_view(cur.record()).substr(start_pos, cur.pos() + tail - start_pos));
            std::string tok(1, q);
            tok.append(text).push_back(q);
            tok.append(cur.token());
            return finish(ReadStatus::BadValue, tok);
          }
        } else {
          const std::string_view tok = cur.token();
          text.assign(tok);
          cur.advance(tok.size());
        }
        store_text(target, text, item.width);
        if (count > 1) repeat_text = text;
        break;
      }
    }
    if (count > 1) {
      repeat_left = count - 1;
      repeat_null = false;
      repeat_kind = item.kind;
    }
  }
  return finish(ReadStatus::Ok);
}

// ------------------------------------------------------------ text lines

bool read_text_line(LineSource& src, std::string& line256) {
  if (!src.next(line256)) {
    line256.assign(256, ' ');
    return false;
  }
  line256.resize(256, ' ');
  return true;
}

std::string trim_right(const std::string& s) {
  const std::size_t end = s.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

}  // namespace kavro::input
