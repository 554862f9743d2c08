// Skin image drawing: plain, nine slices, outlines, looks.
#include "gui/skin_drawing.h"

#include <cmath>

#include "framework/playfield.h"
#include "gui/gui_object.h"
#include "platform/graphics.h"

namespace {

struct Slice {
    float x, y, w, h;
};

// A source slice of no width or height stretches to nothing instead of dividing by zero.
float Stretch(float target, float source) { return source != 0 ? target / source : 0.0f; }

float Cut(float v) { return std::trunc(v); }

} // namespace

void DrawImageRectScaled(const platform::ImagePtr& image, int frame, float srcX, float srcY,
                         float srcW, float srcH, int w, int h, float scaleX, float scaleY, float x,
                         float y) {
    platform::DrawImageRect(image, x, y, srcX, srcY, srcW, srcH, 0,
                            Stretch(static_cast<float>(w) * scaleX, srcW),
                            Stretch(static_cast<float>(h) * scaleY, srcH), frame);
}

void DrawSkinImage(const platform::ImagePtr& image, int frame, float x, float y, float rotation,
                   float scaleX, float scaleY, const ImageData& imageData, int w, int h) {
    if (!image) {
        return;
    }
    const bool ownSize = w == image->Width() && h == image->Height();
    if (!ownSize && !imageData.empty()) {
        DrawNineSlice(image, frame, imageData, x, y, scaleX, scaleY, w, h);
        return;
    }
    platform::DrawImageTransformed(image, x, y, rotation, scaleX, scaleY, frame);
}

void DrawNineSlice(const platform::ImagePtr& image, int frame, const ImageData& imageData, float x,
                   float y, float scaleX, float scaleY, int w, int h) {
    if (!image) {
        return;
    }
    if (static_cast<int>(imageData.size()) != ImageDataSize) {
        platform::DrawImageTransformed(image, x, y, 0, scaleX, scaleY, frame);
        return;
    }
    Slice s[9];
    for (int i = 0; i < 9; ++i) {
        const auto at = [&](int k) {
            return static_cast<float>(imageData[static_cast<std::size_t>(i * 4 + k)]);
        };
        s[i] = {at(0), at(1), at(2), at(3)};
    }
    const Slice &tl = s[0], &t = s[1], &tr = s[2], &l = s[3], &m = s[4], &r = s[5];
    const Slice &bl = s[6], &b = s[7], &br = s[8];
    const float sx = scaleX;
    const float sy = scaleY;
    const float ew = static_cast<float>(w) - tl.w - t.w - tr.w;
    const float eh = static_cast<float>(h) - tl.h - l.h - bl.h;

    // Columns per row, from that row's own slices; rows from the left column.
    const float x0 = Cut(x);
    const float y0 = Cut(y);
    const float y1 = Cut(tl.h * sy + y0);
    const float y2 = Cut((l.h + eh) * sy + y1);

    // Each slice but those of the last column and row is one source pixel larger, so that
    // neighbours overlap and no seam shows once positions are cut to whole pixels.
    const auto draw = [&](const Slice& n, float px, float py, float scaleW, float scaleH) {
        platform::DrawImageRect(image, px, py, n.x, n.y, n.w, n.h, 0, scaleW, scaleH, frame);
    };
    const auto row = [&](const Slice& left, const Slice& mid, const Slice& right, float py,
                         float extraH, bool lastRow) {
        const float x1 = Cut(left.w * sx + x0);
        const float x2 = Cut((mid.w + ew) * sx + x1);
        const auto scaleH = [&](const Slice& n) {
            return lastRow ? sy : Stretch((n.h + extraH + 1) * sy, n.h);
        };
        draw(left, x0, py, Stretch((left.w + 1) * sx, left.w), scaleH(left));
        // Narrower than the two corners together: only the left column.
        if (x2 >= x1) {
            draw(mid, x1, py, Stretch((mid.w + ew + 1) * sx, mid.w), scaleH(mid));
            draw(right, x2, py, sx, scaleH(right));
        }
    };
    row(tl, t, tr, y0, 0, false);
    row(l, m, r, y1, eh, false);
    row(bl, b, br, y2, 0, true);
}

void DrawRectOutline(int w, int h, int thickness, float x, float y) {
    const float fw = static_cast<float>(w);
    const float fh = static_cast<float>(h);
    const float t = static_cast<float>(thickness);
    platform::DrawRect(x, y, fw, t);
    platform::DrawRect(x, y + t, t, fh - 2 * t);
    platform::DrawRect(x, y + fh - t, fw, t);
    platform::DrawRect(x + fw - t, y + t, t, fh - 2 * t);
}

void ApplyLook(const iGuiObject& widget, int blend, float alpha, float red, float green,
               float blue) {
    if (platform::GetBlend() != blend) {
        platform::SetBlend(blend);
    }
    widget.SetDrawAlpha(alpha);
    widget.SetDrawColor(red, green, blue);
}

void PushWidgetRotation(const iGuiObject& widget) {
    platform::PushMatrix();
    platform::Translate(widget.x, widget.y);
    platform::Rotate(static_cast<float>(RotationSign) * widget.rotation);
    platform::Translate(-widget.x, -widget.y);
}
