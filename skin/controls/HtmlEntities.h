#pragma once
// The character entities of the HTML text subset.
#include <optional>
#include <string_view>

// The character of an entity reference without its "&" and ";": a name
// ("amp", "eacute") or a numeric form from the table ("#169"). A name in the
// exact case wins; otherwise names match without regard to case, so "&AMP;"
// still works while "&Eacute;" keeps its capital. Nothing for other text.
std::optional<char32_t> FindHtmlEntity(std::string_view reference);
