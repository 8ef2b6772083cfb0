#pragma once
// Windows only: system colours (clBtnFace, clWindow, ...) resolved by asking
// the system, so that pictures blended over them match what the system paints.
void UseSystemColorsOfWindows();
