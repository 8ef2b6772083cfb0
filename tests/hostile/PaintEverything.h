#pragma once
// Paints everything a loaded skin holds, the way the program will: every
// section in every state at a few sizes (over a parent picture, a plain
// colour and nothing), with alpha for the border window, and every image
// record frame by frame. For the hostile-skin tests and the paint fuzzer: it
// must return, whatever the skin, without touching memory it does not own.
#include "skin/data/SkinLoader.h"

void PaintEverything(const LoadedSkin& skin);
