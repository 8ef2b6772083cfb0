#pragma once
// The program's icon: a page with a folded corner and a few lines of text,
// and a tick on an accent-blue disc over its lower right, drawn by the skin
// image generator's canvas so that it shares the built-in skin's palette.
#include <vector>

#include "tools/skinimages/Canvas.h"

// The sizes the icon file holds: small and large window icons at 96 and
// 144 dots per inch and the large view of a file browser.
inline constexpr int kAppIconSizes[] = {16, 32, 48, 256};

// The icon at size x size pixels; any size from 16 up.
Canvas DrawAppIcon(int size);
