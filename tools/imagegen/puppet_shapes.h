// Shapes shared by the puppet pictures: the head outline that head, hair and face are drawn on,
// and the arm line that sleeves and hands follow.
#pragma once

#include "catalogue.h"

#include <vector>

namespace puppet {

using art::Pt;

// The head of one body type, in head-canvas pixels.
struct HeadShape {
    double top = 0;   // crown
    double eyeY = 0;  // eye line
    double chinY = 0; // bottom of the chin
    double left = 0;  // back of the skull
    double right = 0; // front contour at the brows
    double eyeR = 0;  // eye radius
    Pt ear;           // ear centre
    double earRx = 0, earRy = 0;
    double neckR = 0;
    std::vector<Pt> outline; // closed, clockwise from the crown
};
HeadShape MakeHead(const cat::HeadGeo& g);

// The arm of one body type: where the visible shoulder cap starts, the cuff and the hand.
struct ArmShape {
    Pt shoulder; // centre of the visible shoulder cap
    double shoulderR = 0;
    Pt cuff; // end of a long sleeve
    Pt hand; // centre of the palm (the hand point, pulled inside the picture)
    double armR = 0;
    double handR = 0;
    Pt dir; // unit vector shoulder -> hand
};
ArmShape MakeArm(const cat::ArmGeo& g);

} // namespace puppet
