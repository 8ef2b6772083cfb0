#pragma once
// How a button places its glyph and caption; shared by the toolkit's speed
// button and the layout code of the skinned one. Portable: no window types.

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Where the glyph sits relative to the caption.
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
