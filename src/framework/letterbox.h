#pragma once
// The letterbox every screen uses: a background playfield covering the window and a main
// playfield holding the 1280 by 768 canvas, scaled uniformly and centred in the window.
class iPlayfield;

constexpr int CanvasWidth = 1280;
constexpr int CanvasHeight = 768;

// The background gets the window size; the main playfield the canvas, fitted and centred.
// Either may be null. A window of no size (minimised) changes nothing.
void FitToWindow(iPlayfield* background, iPlayfield* main);

// Set by every FitToWindow; screens that find it set on entry re-fit and clear it.
extern bool WindowResized;
void ResetLetterboxGlobals();
