// kavro: the command-line front end of the engine.
//
//   kavro run INPUT [--out DIR]
//
// writes DIR/STEM.report, DIR/STEM.plot and DIR/STEM.messages. Each analysis
// runs in a child process (the engine's state is process-wide) whose working
// directory is a private temporary directory holding its NAMES.DAT, so that
// runs never share one.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/kgo.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "Usage: kavro run INPUT [--out DIR]\n"
    "       kavro --help | --version\n"
    "\n"
    "Analyses the pile described by the input data file INPUT and writes\n"
    "  DIR/STEM.report    the output report\n"
    "  DIR/STEM.plot      the plot output file\n"
    "  DIR/STEM.messages  the runtime message file\n"
    "where STEM is the input file name without its extension and DIR defaults\n"
    "to the folder of INPUT.\n"
    "\n"
    "Exit status: 0 completed normally, 1 completed with warnings,\n"
    "2 stopped on an input error, 3 any other stop.\n";

std::string status_words(int s) {
  if (s == 0) return "completed normally";
  if (s < 0) return s == -300 ? "completed with warnings" : "completed with warnings (warning " + std::to_string(-s) + ")";
  // 99 is the wrong-version status, and also the stop of a pile reaching a
  // massive-rock layer, whose message is in the report.
  if (s == 99) return "stopped (status 99: see the report; a massive-rock layer or an engine version mismatch)";
  if (s > 100 && s < 200) return "stopped on input error " + std::to_string(s - 100);
  if (s > 200 && s < 300) return "stopped on runtime error " + std::to_string(s - 200);
  if (s == 999) return "stopped on internal error";
  return "ended with status " + std::to_string(s);
}

int exit_code(int s) {
  if (s == 0) return 0;
  if (s < 0) return 1;
  if (s > 100 && s < 200) return 2;
  return 3;
}

// Runs KGO in a child process whose working directory is `work`. Returns the
// engine's status, or sets `crashed`.
int run_engine(const fs::path& work, bool& crashed, std::string& why) {
  crashed = false;
  int fds[2];
  if (pipe(fds) != 0) {
    crashed = true;
    why = std::strerror(errno);
    return 0;
  }
  std::fflush(nullptr);
  pid_t pid = fork();
  if (pid < 0) {
    crashed = true;
    why = std::strerror(errno);
    return 0;
  }
  if (pid == 0) {
    close(fds[0]);
    if (chdir(work.c_str()) != 0) _exit(120);
    int32_t status = KGO(KAVRO_INTERFACE_VERSION);
    ssize_t w = write(fds[1], &status, sizeof status);
    _exit(w == sizeof status ? 0 : 121);
  }
  close(fds[1]);
  int32_t status = 0;
  ssize_t got = read(fds[0], &status, sizeof status);
  close(fds[0]);
  int wstatus = 0;
  waitpid(pid, &wstatus, 0);
  if (got != sizeof status) {
    crashed = true;
    why = WIFSIGNALED(wstatus) ? std::string("signal ") + strsignal(WTERMSIG(wstatus)) : "no status";
  }
  return status;
}

int cmd_run(int argc, char** argv) {
  std::string input, out;
  for (int k = 2; k < argc; ++k) {
    std::string a = argv[k];
    if (a == "--out" && k + 1 < argc) {
      out = argv[++k];
    } else if (a.rfind("--out=", 0) == 0) {
      out = a.substr(6);
    } else if (!a.empty() && a[0] == '-') {
      std::fprintf(stderr, "kavro: unknown option %s\n%s", a.c_str(), kUsage);
      return 3;
    } else if (input.empty()) {
      input = a;
    } else {
      std::fprintf(stderr, "kavro: more than one input file given\n%s", kUsage);
      return 3;
    }
  }
  if (input.empty()) {
    std::fprintf(stderr, "kavro: no input file given\n%s", kUsage);
    return 3;
  }
  std::error_code ec;
  fs::path in = fs::absolute(input, ec);
  if (ec || !fs::is_regular_file(in, ec)) {
    std::fprintf(stderr, "kavro: cannot read input file %s\n", input.c_str());
    return 3;
  }
  fs::path dir = out.empty() ? in.parent_path() : fs::absolute(out, ec);
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir)) {
    std::fprintf(stderr, "kavro: cannot create output folder %s\n", dir.c_str());
    return 3;
  }
  const std::string stem = in.stem().string();
  const fs::path report = dir / (stem + ".report"), plot = dir / (stem + ".plot"), msgs = dir / (stem + ".messages");
  for (const fs::path& p : {in, report, plot, msgs}) {
    if (p.string().size() > 256) {
      std::fprintf(stderr, "kavro: path longer than 256 characters: %s\n", p.c_str());
      return 3;
    }
  }

  std::string tmpl = (fs::temp_directory_path(ec) / "kavro-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) {
    std::fprintf(stderr, "kavro: cannot create a working directory: %s\n", std::strerror(errno));
    return 3;
  }
  const fs::path work = tmpl;
  {
    std::ofstream names(work / "NAMES.DAT");
    names << in.string() << '\n' << report.string() << '\n' << plot.string() << '\n' << msgs.string() << '\n';
  }
  bool crashed = false;
  std::string why;
  int status = run_engine(work, crashed, why);
  fs::remove_all(work, ec);
  if (crashed) {
    std::printf("kavro: %s: the engine stopped abnormally (%s)\n", input.c_str(), why.c_str());
    return 3;
  }
  std::printf("kavro: %s %s (status %d); report: %s\n", input.c_str(), status_words(status).c_str(), status,
              report.c_str());
  return exit_code(status);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs(kUsage, stderr);
    return 3;
  }
  std::string cmd = argv[1];
  if (cmd == "--help" || cmd == "-h" || cmd == "help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (cmd == "--version") {
    std::printf("kavro %s (engine %s, interface %d)\n", "0.1.0", kavro::kProgramVersion, KAVRO_INTERFACE_VERSION);
    return 0;
  }
  if (cmd == "run") return cmd_run(argc, argv);
  std::fprintf(stderr, "kavro: unknown command %s\n%s", cmd.c_str(), kUsage);
  return 3;
}
