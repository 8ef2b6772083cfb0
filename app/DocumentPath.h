#pragma once
// Parts of a document path. Paths are UTF-16 from the moment they enter the
// program, so any file the system can name can be taken.
#include <string>
#include <string_view>

// After the last "\" or ":".
std::wstring FileNamePart(std::wstring_view path);
// Up to and including the last "\" or ":"; empty when there is none.
std::wstring FolderPart(std::wstring_view path);
// From the last "." on, when no "\" or ":" follows it; otherwise empty.
std::wstring ExtensionOf(std::wstring_view name);
// The sidecar that belongs to a document: its name without extension + ".txt".
std::wstring SidecarNameFor(std::wstring_view name);
