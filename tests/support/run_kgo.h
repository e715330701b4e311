// Runs KGO on an input deck in a fresh child process and a fresh temporary
// working directory, and collects the status and the output files.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace kavro::test {

struct KgoRun {
  int status = 0;
  bool crashed = false;        // the child died (signal, sanitizer report, abort)
  std::string report, plot, messages, stderr_text;
  std::string dir;             // the working directory (kept when keep_dir is set)
};

struct KgoOptions {
  // Lines of NAMES.DAT; by default input.dat, report.txt, plot.txt, messages.txt.
  std::vector<std::string> names_lines{"input.dat", "report.txt", "plot.txt", "messages.txt"};
  bool write_names = true;
  bool write_input = true;
  // Further files written into the working directory before the run.
  std::vector<std::pair<std::string, std::string>> files;
  int version = 7003;
  bool keep_dir = false;
};

KgoRun run_kgo(const std::string& deck, const KgoOptions& opt = {});

// Text of a file in the source tree (examples, test data).
std::string read_source_file(const std::string& relative_path);

// Minimal complete deck: header, TITLE, OPTIONS (the given unit line) and END,
// with the optional body inserted before END.
std::string minimal_deck(const std::string& units_line = "Units USCS", const std::string& body = "");

}  // namespace kavro::test
