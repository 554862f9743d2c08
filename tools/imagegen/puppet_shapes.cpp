#include "puppet_shapes.h"

#include <algorithm>
#include <cmath>

namespace puppet {

HeadShape MakeHead(const cat::HeadGeo& g) {
    HeadShape s;
    double d = g.eye2.x - g.eye1.x;
    // The hat point is the crown: the hat's inner rim sits on it.
    // (never so high that the hair above it would leave the picture)
    s.top = std::max(10.0, g.hat.y - 3);
    s.eyeY = g.eye1.y;
    s.chinY = g.pivot.y - std::clamp((g.h - g.pivot.y) * 0.4, 4.0, 10.0);
    s.right = std::min(g.w - 4.0, g.eye2.x + std::max(15.0, d * 0.55));
    s.left = std::max(4.0, s.right - g.hatWidth * 0.95);
    s.eyeR = std::clamp(d * 0.27, 6.5, 12.0);
    double w = s.right - s.left;
    double up = s.eyeY - s.top;
    double down = s.chinY - s.eyeY;
    double chinX = g.eye1.x + d * 0.45;
    s.ear = {s.left + w * 0.36, s.eyeY + down * 0.22};
    s.earRx = std::max(7.0, w * 0.075);
    s.earRy = std::max(10.0, (s.chinY - s.top) * 0.12);
    s.neckR = std::clamp(w * 0.17, 10.0, 22.0);
    double hx = g.hat.x;
    s.outline = {
        {hx, s.top},
        {hx + (s.right - hx) * 0.72, s.top + up * 0.16},
        {s.right, s.eyeY - up * 0.22},
        {s.right - 2, s.eyeY + down * 0.42},
        {chinX + (s.right - chinX) * 0.45, s.chinY - down * 0.12},
        {chinX, s.chinY},
        {s.left + (chinX - s.left) * 0.42, s.chinY - down * 0.28},
        {s.left, s.eyeY - up * 0.05},
        {s.left + (hx - s.left) * 0.32, s.top + up * 0.22},
    };
    return s;
}

namespace {
double EdgeRoom(Pt p, int w, int h) { return std::min({p.x, p.y, w - p.x, h - p.y}); }
} // namespace

ArmShape MakeArm(const cat::ArmGeo& g) {
    ArmShape a;
    Pt p = g.pivot;
    Pt q = g.hand;
    double len = art::Dist(p, q);
    a.dir = (q - p) * (1.0 / len);
    a.armR = std::clamp(len * 0.085 + 2, 7.0, 14.0);
    a.handR = std::max(6.5, a.armR * 0.95);
    // The palm stays inside the picture even when the hand point lies on (or past) its edge.
    a.hand = {std::clamp(q.x, a.handR + 3, g.w - a.handR - 3),
              std::clamp(q.y, a.handR + 3, g.h - a.handR - 3)};
    a.cuff = a.hand - a.dir * (a.handR * 0.9 + a.armR * 0.85);
    // The shoulder cap slides down the arm (and shrinks if it must) until it fits inside the
    // picture: the pivot itself may sit right on the picture's edge.
    a.shoulder = p;
    for (double r = a.armR + 1; r >= 5; r -= 1) {
        bool fits = false;
        for (double t = 0; t <= 0.25 && !fits; t += 0.01) {
            Pt c = art::Lerp(p, q, t);
            if (EdgeRoom(c, g.w, g.h) - 3 >= r) {
                a.shoulder = c;
                a.shoulderR = r;
                fits = true;
            }
        }
        if (fits)
            break;
    }
    if (a.shoulderR <= 0) {
        a.shoulder = art::Lerp(p, q, 0.25);
        a.shoulderR = 5;
    }
    a.armR = std::min(a.armR, a.shoulderR + 2);
    return a;
}

} // namespace puppet
