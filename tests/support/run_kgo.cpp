#include "tests/support/run_kgo.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/kgo.h"

namespace fs = std::filesystem;

namespace kavro::test {
namespace {

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void spit(const fs::path& p, const std::string& text) {
  std::ofstream out(p, std::ios::binary);
  out << text;
}

}  // namespace

std::string read_source_file(const std::string& relative_path) {
  return slurp(fs::path(KAVRO_SOURCE_DIR) / relative_path);
}

std::string minimal_deck(const std::string& units_line, const std::string& body) {
  std::string d = "KAVROP7\nTITLE\nMinimal deck\n\n\n\n\nOPTIONS\n" + units_line +
                  "\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n"
                  "ComputeEIOnly NO\nLoading STATIC     1\nMaxIter 100\nMaxDefl 100.0\nTolerance 1.0E-5\n"
                  "Increments 100\nPrintSummaryOnly NO\nPrintIncr 1\nPrintPYCurves NO\nComputeInteraction NO\n"
                  "ComputePushover NO\nComputePileBuckling NO\n";
  return d + body + "END\n";
}

KgoRun run_kgo(const std::string& deck, const KgoOptions& opt) {
  KgoRun r;
  std::string tmpl = (fs::temp_directory_path() / "kavro-test-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) {
    r.crashed = true;
    return r;
  }
  const fs::path dir = tmpl;
  r.dir = dir.string();
  if (opt.write_input) spit(dir / "input.dat", deck);
  if (opt.write_names) {
    std::string names;
    for (const auto& l : opt.names_lines) names += l + "\n";
    spit(dir / "NAMES.DAT", names);
  }
  for (const auto& f : opt.files) spit(dir / f.first, f.second);

  int fds[2];
  if (pipe(fds) != 0) {
    r.crashed = true;
    return r;
  }
  std::fflush(nullptr);
  pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    if (chdir(dir.c_str()) != 0) _exit(120);
    if (!freopen("stderr.txt", "w", stderr)) _exit(122);
    int32_t status = KGO(opt.version);
    std::fflush(nullptr);
    ssize_t w = write(fds[1], &status, sizeof status);
    _exit(w == sizeof status ? 0 : 121);
  }
  close(fds[1]);
  int32_t status = 0;
  ssize_t got = read(fds[0], &status, sizeof status);
  close(fds[0]);
  int ws = 0;
  waitpid(pid, &ws, 0);
  r.crashed = got != sizeof status || !WIFEXITED(ws) || WEXITSTATUS(ws) != 0;
  r.status = status;
  r.report = slurp(dir / "report.txt");
  r.plot = slurp(dir / "plot.txt");
  r.messages = slurp(dir / "messages.txt");
  r.stderr_text = slurp(dir / "stderr.txt");
  if (!opt.keep_dir) {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  return r;
}

}  // namespace kavro::test
