#include "engine/run_files.h"

#include <unistd.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "model/problem_model.h"

namespace kavro {
namespace {

constexpr const char* kNamesFile = "NAMES.DAT";
constexpr const char* kCurveNamesFile = "M_vs_EI_report_names.txt";

// One record of at most 256 characters, padded with blanks. Returns 1 for a
// record, 0 at the end of the file, -1 on a read error.
int read_name_record(std::FILE* f, std::string& name) {
  name.clear();
  int c;
  bool any = false;
  while ((c = std::fgetc(f)) != EOF) {
    any = true;
    if (c == '\n') break;
    if (name.size() < kFileNameLength) name.push_back(char(c));
  }
  if (std::ferror(f)) return -1;
  if (!name.empty() && name.back() == '\r') name.pop_back();
  name.resize(kFileNameLength, ' ');
  return any ? 1 : 0;
}

std::string trimmed(const std::string& s) {
  std::size_t n = s.find_last_not_of(' ');
  return n == std::string::npos ? std::string() : s.substr(0, n + 1);
}

bool blank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

void runtime_block(int number, std::initializer_list<std::string_view> text) {
  OutputUnit& u = runtime_unit();
  u.blank(2);
  u.line().text("**** Runtime Error No. ").i0(number).text(" ****").end();
  u.blank();
  u.lines(text);
}

void stop_with(int number, const std::string& text) {
  runtime_block(number, {text, "No analysis was performed."});
  if (report_unit().is_open()) {
    OutputUnit& r = report_unit();
    r.blank(2);
    r.line().text("**** Runtime Error No. ").i0(number).text(" ****").end();
    r.blank();
    r.lines({text, "No analysis was performed."});
  }
  stop_runtime_error(number);
}

void stop_on_file(int number, const std::string& what, const std::string& name) {
  stop_with(number, what + " \"" + trimmed(name) + "\".");
}

}  // namespace

void Open_Run_Files(input::LineSource& input) {
  RunItems& run = pm.run;
  {
    char buf[4096];
    run.WorkingDirectory = getcwd(buf, sizeof buf) ? buf : "";
  }

  std::FILE* names = std::fopen(kNamesFile, "r");
  if (!names) {
    runtime_block(2, {"Contents of file NAMES.DAT is corrupted."});
    Error_Stop("RUN00002", 202);
    return;
  }
  std::string* const slots[4] = {&run.InputFileName, &run.ReportFileName, &run.PlotFileName, &run.RuntimeFileName};
  static const char* const corrupt[4] = {
      "The name of the input data file is corrupted.", "The name of the output report file is corrupted.",
      "The name of the plot output file is corrupted.", "Name of runtime message file is corrupted"};
  for (int k = 0; k < 4; ++k) {
    // A missing line gives a blank name, which the check below rejects.
    if (read_name_record(names, *slots[k]) < 0) {
      std::fclose(names);
      runtime_block(k + 3, {corrupt[k]});
      stop_runtime_error(k + 3);
      return;
    }
  }
  std::fclose(names);

  static const char* const blank_text[4] = {
      "Input data filename information corrupted. No analysis was performed.",
      "Output filename information is corrupted. No analysis was performed.",
      "Plot output filename information is corrupted. No analysis was performed.",
      "Run message filename information is corrupted. No analysis performed."};
  for (int k = 0; k < 4; ++k) {
    if (blank(*slots[k])) {
      std::fprintf(stderr, "**** Runtime Error No. 17 ****\n\n%s\n", blank_text[k]);
      Error_Stop("RUN00017", 217);
      return;
    }
  }

  if (!input.open(trimmed(run.InputFileName))) {
    stop_on_file(kRunErrInputFileUnreadable, "Cannot open the input data file", run.InputFileName);
    return;
  }
  struct Out {
    OutputUnit* unit;
    const std::string* name;
    const char* what;
  };
  const Out outs[3] = {{&report_unit(), &run.ReportFileName, "Cannot create the output report file"},
                       {&plot_unit(), &run.PlotFileName, "Cannot create the plot output file"},
                       {&runtime_unit(), &run.RuntimeFileName, "Cannot create the runtime message file"}};
  for (const Out& o : outs) {
    if (!o.unit->open(trimmed(*o.name))) {
      stop_on_file(kRunErrOutputFileNotCreated, o.what, *o.name);
      return;
    }
  }

  // Optional names of the moment-curvature curve files; a missing list means
  // no names.
  run.NumMvsEIReportNames = 0;
  if (std::FILE* list = std::fopen(kCurveNamesFile, "r")) {
    std::string name;
    bool too_many = false;
    int got;
    while ((got = read_name_record(list, name)) == 1) {
      if (run.NumMvsEIReportNames == kMaxMvsEIReportNames) {
        too_many = true;
        break;
      }
      run.MvsEIReportName[++run.NumMvsEIReportNames] = name;
    }
    std::fclose(list);
    std::remove(kCurveNamesFile);
    if (too_many) {
      std::string text = "The file M_vs_EI_report_names.txt holds more than " +
                         std::to_string(kMaxMvsEIReportNames) + " names.";
      stop_with(kRunErrTooManyCurveNames, text);
      return;
    }
  }

  struct stat st {};
  if (stat(trimmed(run.InputFileName).c_str(), &st) != 0 || st.st_size <= 0) {
    OutputUnit& u = runtime_unit();
    u.blank(2);
    u.put("**** Input Data Error No. 25 ****");
    u.blank();
    u.put("Size of input data file is 0 bytes.  No analysis performed.");
    u.blank();
    Error_Stop("INP00025", 125);
    return;
  }
}

void Close_Run_Files(input::LineSource& input) {
  input.close();
  report_unit().close();
  plot_unit().close();
  runtime_unit().close();
}

}  // namespace kavro
