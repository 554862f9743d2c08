// Index: points and colours · path pieces · painting (outline, shading) · lettering.
#include "style.h"

#include <algorithm>
#include <cmath>

namespace art {

Pt Lerp(Pt a, Pt b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }
double Dist(Pt a, Pt b) { return std::hypot(a.x - b.x, a.y - b.y); }

Rgb C(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }
Rgb Grey(int v) { return C(v, v, v); }
Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Darker(Rgb c, double k) { return {c.r * k, c.g * k, c.b * k}; }
Rgb Lighter(Rgb c, double k) { return Mix(c, pal::White, k); }

void SetColour(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, std::max(rx, 0.01), std::max(ry, 0.01));
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void Circle(cairo_t* cr, Pt c, double r) { Ellipse(cr, c.x, c.y, r, r); }

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void Polygon(cairo_t* cr, const std::vector<Pt>& pts) {
    if (pts.empty())
        return;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, pts[0].x, pts[0].y);
    for (size_t i = 1; i < pts.size(); ++i)
        cairo_line_to(cr, pts[i].x, pts[i].y);
    cairo_close_path(cr);
}

namespace {
// One Catmull-Rom segment p1 -> p2 as a cubic Bézier.
void Segment(cairo_t* cr, Pt p0, Pt p1, Pt p2, Pt p3, double tension) {
    double k = tension / 6.0;
    Pt c1 = p1 + (p2 - p0) * k;
    Pt c2 = p2 - (p3 - p1) * k;
    cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, p2.x, p2.y);
}
} // namespace

void Smooth(cairo_t* cr, const std::vector<Pt>& p, double tension) {
    size_t n = p.size();
    if (n < 3) {
        Polygon(cr, p);
        return;
    }
    cairo_new_sub_path(cr);
    cairo_move_to(cr, p[0].x, p[0].y);
    for (size_t i = 0; i < n; ++i)
        Segment(cr, p[(i + n - 1) % n], p[i], p[(i + 1) % n], p[(i + 2) % n], tension);
    cairo_close_path(cr);
}

void SmoothOpen(cairo_t* cr, const std::vector<Pt>& p, double tension) {
    size_t n = p.size();
    if (n < 2)
        return;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, p[0].x, p[0].y);
    for (size_t i = 0; i + 1 < n; ++i)
        Segment(cr, p[i == 0 ? 0 : i - 1], p[i], p[i + 1], p[std::min(i + 2, n - 1)], tension);
}

void Limb(cairo_t* cr, Pt a, Pt b, double ra, double rb) {
    // The outline of the swept circles: two tangent sides and two round caps.
    double len = Dist(a, b);
    if (len < 0.5) {
        Circle(cr, a, std::max(ra, rb));
        return;
    }
    double ang = std::atan2(b.y - a.y, b.x - a.x);
    double dr = (ra - rb) / len;
    dr = std::clamp(dr, -0.99, 0.99);
    double off = std::acos(dr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, a.x, a.y, ra, ang + off, ang - off + 2 * M_PI);
    cairo_arc(cr, b.x, b.y, rb, ang - off, ang + off);
    cairo_close_path(cr);
}

namespace {
// Runs `each` once per closed piece of the path, with only that piece as the current path. The
// pieces of a shape may turn either way, so they are filled one by one as a union, never as one
// path (opposite turns would cancel where the pieces overlap).
template <typename Fn> void ForEachPiece(cairo_t* cr, const PathFn& path, Fn each) {
    cairo_new_path(cr);
    path(cr);
    cairo_path_t* all = cairo_copy_path(cr);
    cairo_new_path(cr);
    int start = 0;
    auto flush = [&](int end) {
        if (end > start) {
            cairo_path_t piece = {CAIRO_STATUS_SUCCESS, all->data + start, end - start};
            cairo_new_path(cr);
            cairo_append_path(cr, &piece);
            each();
            cairo_new_path(cr);
        }
        start = end;
    };
    for (int i = 0; i < all->num_data; i += all->data[i].header.length)
        if (all->data[i].header.type == CAIRO_PATH_MOVE_TO && i > start)
            flush(i);
    flush(all->num_data);
    cairo_path_destroy(all);
}
} // namespace

void Outlined(cairo_t* cr, const PathFn& path, Rgb fill, Rgb ink, double line) {
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (line > 0) {
        SetColour(cr, ink);
        cairo_set_line_width(cr, 2 * line);
        ForEachPiece(cr, path, [cr] {
            cairo_stroke_preserve(cr);
            cairo_fill(cr);
        });
    }
    SetColour(cr, fill);
    ForEachPiece(cr, path, [cr] { cairo_fill(cr); });
    cairo_restore(cr);
}

void Shade(cairo_t* cr, const PathFn& path, Rgb shade, double dx, double dy, double alpha) {
    // The shape, less the shape moved up-left: the crescent along the lower-right edge.
    cairo_save(cr);
    cairo_push_group(cr);
    SetColour(cr, shade);
    ForEachPiece(cr, path, [cr] { cairo_fill(cr); });
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_translate(cr, -dx, -dy);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    ForEachPiece(cr, path, [cr] { cairo_fill(cr); });
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

namespace {
// The shading offset grows with the shape so that small and big pieces look alike.
Pt ShadeOffset(cairo_t* cr, const PathFn& path, double amount) {
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    double x1, y1, x2, y2;
    cairo_path_extents(cr, &x1, &y1, &x2, &y2);
    cairo_new_path(cr);
    cairo_restore(cr);
    double s = std::min(x2 - x1, y2 - y1);
    double d = std::clamp(s * amount, 1.5, 14.0);
    return {d, d};
}
} // namespace

void Tinted(cairo_t* cr, const PathFn& path, double line, double shade) {
    Outlined(cr, path, pal::White, pal::TintInk, line);
    if (shade > 0) {
        Pt o = ShadeOffset(cr, path, shade);
        Shade(cr, path, pal::TintShade, o.x, o.y);
    }
}

void Solid(cairo_t* cr, const PathFn& path, Rgb fill, double line, double shade, Rgb ink) {
    Outlined(cr, path, fill, ink, line);
    if (shade > 0) {
        Pt o = ShadeOffset(cr, path, shade);
        Shade(cr, path, Darker(fill, 0.8), o.x, o.y);
    }
}

void Line(cairo_t* cr, const std::vector<Pt>& pts, Rgb ink, double width, bool smooth) {
    if (pts.size() < 2)
        return;
    cairo_save(cr);
    cairo_new_path(cr);
    if (smooth) {
        SmoothOpen(cr, pts);
    } else {
        cairo_move_to(cr, pts[0].x, pts[0].y);
        for (size_t i = 1; i < pts.size(); ++i)
            cairo_line_to(cr, pts[i].x, pts[i].y);
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, width);
    SetColour(cr, ink);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
    cairo_save(cr);
    cairo_new_path(cr);
    Ellipse(cr, cx, cy, rx, ry);
    SetColour(cr, pal::White, alpha);
    cairo_fill(cr);
    cairo_restore(cr);
}

namespace {
void SelectFont(cairo_t* cr, const TextStyle& style) {
    cairo_select_font_face(cr, style.family.c_str(), CAIRO_FONT_SLANT_NORMAL,
                           style.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, style.size);
}
} // namespace

void TextCentred(cairo_t* cr, const std::string& utf8, double cx, double cy,
                 const TextStyle& style) {
    cairo_save(cr);
    SelectFont(cr, style);
    cairo_text_extents_t e;
    cairo_text_extents(cr, utf8.c_str(), &e);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, cy - e.height / 2 - e.y_bearing);
    cairo_text_path(cr, utf8.c_str());
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (style.outline > 0) {
        SetColour(cr, style.ink);
        cairo_set_line_width(cr, 2 * style.outline);
        cairo_stroke_preserve(cr);
    }
    SetColour(cr, style.fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

namespace {
// Splits UTF-8 text into its characters.
std::vector<std::string> Characters(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        size_t len = c < 0x80 ? 1 : c < 0xe0 ? 2 : c < 0xf0 ? 3 : 4;
        out.push_back(s.substr(i, len));
        i += len;
    }
    return out;
}
} // namespace

void FitLetters(cairo_t* cr, const std::string& utf8, double x, double y, double w, double h,
                const TextStyle& style, const std::vector<Rgb>& colours, bool gloss, double valign,
                bool fillWidth) {
    cairo_save(cr);
    SelectFont(cr, TextStyle{style.family, style.bold, 100});
    cairo_text_extents_t e;
    cairo_text_extents(cr, utf8.c_str(), &e);
    double pad = style.outline;
    double k =
        std::min((w - 2 * pad) / std::max(1.0, e.width), (h - 2 * pad) / std::max(1.0, e.height));
    auto chars = Characters(utf8);
    // Filling the width: letters widen by up to half, the rest goes between them.
    double stretch = 1.0, spacing = 0.0;
    if (fillWidth) {
        double free = (w - 2 * pad) / std::max(1.0, e.width * k);
        stretch = std::clamp(free, 1.0, 1.5);
        if (chars.size() > 1)
            spacing = (w - 2 * pad - e.width * k * stretch) / (chars.size() - 1);
    }
    cairo_matrix_t fm;
    cairo_matrix_init_scale(&fm, 100 * k * stretch, 100 * k);
    cairo_set_font_matrix(cr, &fm);
    cairo_text_extents(cr, utf8.c_str(), &e);
    double totalW = e.width + spacing * (chars.size() - 1);
    double penX = x + (w - totalW) / 2 - e.x_bearing;
    double penY = y + pad + (h - 2 * pad - e.height) * valign - e.y_bearing;
    // Outlines first, so that neighbouring letters never cut into each other's fill.
    for (int pass = 0; pass < 3; ++pass) {
        double px = penX;
        for (size_t i = 0; i < chars.size(); ++i) {
            cairo_text_extents_t ce;
            cairo_text_extents(cr, chars[i].c_str(), &ce);
            cairo_new_path(cr);
            cairo_move_to(cr, px, penY);
            cairo_text_path(cr, chars[i].c_str());
            if (pass == 0 && style.outline > 0) {
                SetColour(cr, style.ink);
                cairo_set_line_width(cr, 2 * style.outline);
                cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
                cairo_stroke_preserve(cr);
                cairo_fill(cr);
            } else if (pass == 1) {
                SetColour(cr, colours.empty() ? style.fill : colours[i % colours.size()]);
                cairo_fill(cr);
            } else if (pass == 2 && gloss) {
                // Gloss: the letter clipped to its upper part, lightened.
                double x1, y1, x2, y2;
                cairo_path_extents(cr, &x1, &y1, &x2, &y2);
                cairo_save(cr);
                cairo_clip(cr);
                cairo_new_path(cr);
                Ellipse(cr, (x1 + x2) / 2 - (x2 - x1) * 0.1, y1 + (y2 - y1) * 0.18,
                        (x2 - x1) * 0.38, (y2 - y1) * 0.16);
                SetColour(cr, pal::White, 0.45);
                cairo_fill(cr);
                cairo_restore(cr);
            }
            cairo_new_path(cr);
            px += ce.x_advance + spacing;
        }
    }
    cairo_restore(cr);
}

} // namespace art
