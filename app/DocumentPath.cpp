#include "app/DocumentPath.h"

namespace {

size_t AfterLastSeparator(std::wstring_view path) {
  size_t pos = path.find_last_of(L"\\:");
  return pos == std::wstring_view::npos ? 0 : pos + 1;
}

}  // namespace

std::wstring FileNamePart(std::wstring_view path) { return std::wstring(path.substr(AfterLastSeparator(path))); }

std::wstring FolderPart(std::wstring_view path) { return std::wstring(path.substr(0, AfterLastSeparator(path))); }

std::wstring ExtensionOf(std::wstring_view name) {
  size_t dot = name.find_last_of(L'.');
  if (dot == std::wstring_view::npos || dot < AfterLastSeparator(name)) return {};
  return std::wstring(name.substr(dot));
}

std::wstring SidecarNameFor(std::wstring_view name) {
  std::wstring base(name.substr(0, name.size() - ExtensionOf(name).size()));
  return base + L".txt";
}
