// skinpack: writes, lists and unpacks skin packages.
//   skinpack OUT.asz INPUT...         pack; an INPUT is a file (member named by its
//                                     base name), a folder (its files, "Options.dat"
//                                     first, the rest by name) or @LIST (one file
//                                     name a line, relative to LIST's folder)
//   skinpack --list PACKAGE           member names and sizes, in package order
//   skinpack --unpack PACKAGE FOLDER  writes every member into FOLDER
// The same inputs always give the same bytes (fixed zlib level).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/data/SkinPackage.h"
#include "skin/data/SkinText.h"
#include "skin/render/core/SkinError.h"
#include "tools/skinpack/PackageUnpack.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void AddFile(std::vector<TacPackageMember>& members, const fs::path& path) {
  members.push_back({path.filename().string(), ReadFile(path)});
}

void AddFolder(std::vector<TacPackageMember>& members, const fs::path& folder) {
  std::vector<fs::path> files;
  for (const fs::directory_entry& e : fs::directory_iterator(folder))
    if (e.is_regular_file()) files.push_back(e.path());
  const auto isOptions = [](const fs::path& p) {
    return SameTextIgnoringCase(p.filename().string(), kOptionsMemberName);
  };
  std::sort(files.begin(), files.end(), [&](const fs::path& a, const fs::path& b) {
    if (isOptions(a) != isOptions(b)) return isOptions(a);
    return a.filename().string() < b.filename().string();
  });
  for (const fs::path& p : files) AddFile(members, p);
}

void AddList(std::vector<TacPackageMember>& members, const fs::path& list) {
  std::ifstream in(list);
  if (!in) throw std::runtime_error("cannot read " + list.string());
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    AddFile(members, list.parent_path() / line);
  }
}

int Pack(const fs::path& out, const std::vector<std::string>& inputs) {
  std::vector<TacPackageMember> members;
  for (const std::string& input : inputs) {
    if (!input.empty() && input.front() == '@') {
      AddList(members, input.substr(1));
    } else if (fs::is_directory(input)) {
      AddFolder(members, input);
    } else {
      AddFile(members, input);
    }
  }
  WriteFile(out, WriteSkinPackage(members));
  return 0;
}

TacSkinConvertor Open(const fs::path& package) {
  TacSkinConvertor c;
  if (!c.Unpack(ReadFile(package))) throw std::runtime_error(std::string(kNotPackedSkinMessage));
  return c;
}

int List(const fs::path& package) {
  const TacSkinConvertor c = Open(package);
  if (c.Options()) std::cout << kOptionsMemberName << '\t' << c.Options()->size() << '\n';
  for (const TacImageItem& item : c.ImageItems()) std::cout << item.FileName << '\t' << item.Data.size() << '\n';
  return 0;
}

int Unpack(const fs::path& package, const fs::path& folder) {
  UnpackPackage(Open(package), folder);
  return 0;
}

int Usage() {
  std::cerr << "usage: skinpack OUT.asz INPUT... | --list PACKAGE | --unpack PACKAGE FOLDER\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 2 && args[0] == "--list") return List(args[1]);
    if (args.size() == 3 && args[0] == "--unpack") return Unpack(args[1], args[2]);
    if (args.size() >= 2 && args[0].rfind("--", 0) != 0)
      return Pack(args[0], std::vector<std::string>(args.begin() + 1, args.end()));
    return Usage();
  } catch (const std::exception& e) {
    std::cerr << "skinpack: " << e.what() << '\n';
    return 1;
  }
}
