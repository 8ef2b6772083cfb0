#pragma once
// The skin checker: loads a skin (a package file or a skin folder) with the
// program's own loader and lists what its author would want to fix, each
// problem with the section and key it comes from.
#include <filesystem>
#include <string>
#include <vector>

struct SkinProblem {
  std::string Section;  // empty when the problem belongs to no section
  std::string Key;      // empty when it belongs to a whole section
  std::string Text;
};

enum class SkinCheckOutcome {
  Clean,       // nothing to report
  Problems,    // the skin loads, with the problems listed
  Unreadable,  // the program cannot load the skin: Error says why, Problems may say where
};

struct SkinCheckReport {
  SkinCheckOutcome Outcome = SkinCheckOutcome::Clean;
  std::string Error;
  std::vector<SkinProblem> Problems;
};

SkinCheckReport CheckSkin(const std::filesystem::path& packageOrFolder);

// "[SECTION] KEY: text", "[SECTION]: text" or the text alone.
std::string FormatProblem(const SkinProblem& problem);
// 0 clean, 1 problems found, 2 the skin cannot be read.
int ExitStatusOf(SkinCheckOutcome outcome);
