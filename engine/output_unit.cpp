#include "engine/output_unit.h"

namespace kavro {

bool OutputUnit::open(const std::string& path) {
  close();
  f_ = std::fopen(path.c_str(), "w");
  return f_ != nullptr;
}

void OutputUnit::close() {
  if (!line_.str().empty()) line_.end();
  if (f_) std::fclose(f_);
  f_ = nullptr;
}

void OutputUnit::emit(const std::string& text) {
  std::FILE* out = f_ ? f_ : stderr;
  std::fwrite(text.data(), 1, text.size(), out);
  std::fputc('\n', out);
}

void OutputUnit::put(std::string_view text) {
  line_.text(text);
  line_.end();
}

void OutputUnit::blank(int n) {
  for (int k = 0; k < n; ++k) line_.end();
}

void OutputUnit::lines(std::initializer_list<std::string_view> texts) {
  for (auto t : texts) put(t);
}

void OutputUnit::flush() {
  if (f_) std::fflush(f_);
}

OutputUnit& report_unit() {
  static OutputUnit u(6);
  return u;
}
OutputUnit& plot_unit() {
  static OutputUnit u(7);
  return u;
}
OutputUnit& runtime_unit() {
  static OutputUnit u(8);
  return u;
}

}  // namespace kavro
