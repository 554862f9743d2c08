#pragma once
// Drawing skin images at a target size (plain, or nine slices whose corners keep their size),
// outlined rectangles, and the look (blend, alpha, colour) a widget draws with.
#include <vector>

#include "platform/image.h"

class iGuiObject;

// Nine source rectangles (x, y, w, h): the corners, edges and centre of one frame.
using ImageData = std::vector<int>;
constexpr int ImageDataSize = 36;

// Plain at the frame's own size (times the scales) when the target is the frame's size or there
// is no image data; nine slices otherwise (then unrotated).
void DrawSkinImage(const platform::ImagePtr& image, int frame, float x, float y, float rotation,
                   float scaleX, float scaleY, const ImageData& imageData, int w, int h);
// Image data that is not 36 numbers draws the frame plainly instead.
void DrawNineSlice(const platform::ImagePtr& image, int frame, const ImageData& imageData, float x,
                   float y, float scaleX, float scaleY, int w, int h);
// One source rectangle stretched over w by h (times the scales), unrotated, at (x, y).
void DrawImageRectScaled(const platform::ImagePtr& image, int frame, float srcX, float srcY,
                         float srcW, float srcH, int w, int h, float scaleX, float scaleY, float x,
                         float y);
// A border `thickness` wide inside the rectangle, as four filled rectangles.
void DrawRectOutline(int w, int h, int thickness, float x, float y);

// Blend mode, then alpha and colour through the widget's engine and playfield factors.
void ApplyLook(const iGuiObject& widget, int blend, float alpha, float red, float green,
               float blue);
// Pushes the matrix turned by the widget's rotation about its position; pop it afterwards.
void PushWidgetRotation(const iGuiObject& widget);
