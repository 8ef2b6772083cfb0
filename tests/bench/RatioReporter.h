#pragma once
// A console reporter for benchmarks that count pixels (items): the usual table
// of repetitions, then one line per comparison of a figure with its anchor.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Figure and anchor are benchmark names as registered; their throughputs are compared.
struct Comparison {
  std::string Figure, Anchor;
  double Target = 0;  // throughput ratio the figure should reach; 0 shows the ratio only
};

// Each benchmark keeps its fastest repetition (by CPU time): the machine is
// shared, and other load only ever slows a run down.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter(std::vector<Comparison> comparisons, std::string note);

  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::vector<Comparison> comparisons_;
  std::string note_;
  std::map<std::string, double> rate_;  // best items per second by benchmark name
};
