// skincheck: lists the problems of a skin for its author.
//   skincheck <package.asz | skin folder>
// Exit status 0 when the skin is clean, 1 when problems were found, 2 when the
// skin cannot be read.
#include <cstdio>

#include "tools/skincheck/SkinCheck.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skincheck <package.asz | skin folder>\n");
    return 2;
  }
  const SkinCheckReport report = CheckSkin(argv[1]);
  for (const SkinProblem& problem : report.Problems) std::printf("%s\n", FormatProblem(problem).c_str());
  if (!report.Error.empty()) std::fprintf(stderr, "skincheck: %s: %s\n", argv[1], report.Error.c_str());
  if (report.Outcome == SkinCheckOutcome::Clean) std::printf("%s: no problems found\n", argv[1]);
  else if (report.Outcome == SkinCheckOutcome::Problems) std::printf("%s: %zu problems\n", argv[1], report.Problems.size());
  return ExitStatusOf(report.Outcome);
}
