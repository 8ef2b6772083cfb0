#include "tests/bench/RatioReporter.h"

#include <algorithm>
#include <cstdio>

RatioReporter::RatioReporter(std::vector<Comparison> comparisons, std::string note)
    : comparisons_(std::move(comparisons)), note_(std::move(note)) {}

// Shows the repetitions, not their statistics.
void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  std::vector<Run> shown;
  for (const Run& r : runs) {
    if (r.run_type != Run::RT_Iteration) continue;
    shown.push_back(r);
    const auto items = r.counters.find("items_per_second");
    if (items == r.counters.end()) continue;
    double& best = rate_[r.run_name.function_name];
    best = std::max(best, double(items->second));
  }
  ConsoleReporter::ReportRuns(shown);
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::printf("\n%-36s %-36s %9s %9s %7s  %s\n", "figure", "anchor", "Mpix/s", "anchor", "ratio", "target");
  for (const Comparison& c : comparisons_) {
    const auto f = rate_.find(c.Figure), a = rate_.find(c.Anchor);
    if (f == rate_.end() || a == rate_.end()) continue;
    const double ratio = f->second / a->second;
    char target[32] = "";
    if (c.Target > 0) std::snprintf(target, sizeof target, ">=%.2f %s", c.Target, ratio >= c.Target ? "met" : "MISSED");
    std::printf("%-36s %-36s %9.1f %9.1f %7.3f  %s\n", c.Figure.c_str(), c.Anchor.c_str(), f->second / 1e6,
                a->second / 1e6, ratio, target);
  }
  std::printf("(throughput ratios, fastest repetition by CPU time%s%s)\n", note_.empty() ? "" : "; ", note_.c_str());
}
