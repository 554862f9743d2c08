#pragma once
// Which card the child sees on top where two overlap. Each card and its caption get a colour of
// their own; the draws the recording device kept of the last frame then tell in what order the
// cards and captions were drawn in the frame drawn last.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "gui/text_field.h"
#include "gui/word_tag.h"
#include "platform/graphics.h"

namespace card_stack {

// A red no scene gives a card, a green apart for bodies and captions. A playfield may dim all
// it draws: the marks are told by their ratios to the blue.
inline float MarkRed(int i) { return static_cast<float>(60 + i); }
constexpr float BodyGreen = 20;
constexpr float CaptionGreen = 40;
constexpr float MarkBlue = 240;

inline bool Near(float a, float b) { return std::fabs(a - b) < 0.25f; }

inline void Mark(const ListeEtiquettes& cards, int first = 0) {
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (cards[i]) {
            const float red = MarkRed(first + static_cast<int>(i));
            cards[i]->SetColor(red, BodyGreen, MarkBlue);
            if (cards[i]->legende) {
                cards[i]->legende->SetColor(red, CaptionGreen, MarkBlue);
            }
        }
    }
}

// The first and last of the recorded draws of a marked card, body or caption: {-1, -1} when
// none was drawn. A card and a caption with no draw would let any order pass, so both count.
struct Draws {
    int first = -1;
    int last = -1;
    bool body = false;
    bool caption = false;
};

inline Draws DrawsOf(const platform::RecordingGraphics& graphics, int mark) {
    Draws d;
    for (int k = 0; k < static_cast<int>(graphics.commands.size()); ++k) {
        const auto& c = graphics.commands[static_cast<std::size_t>(k)].color;
        const float scale = c[2] > 0 ? MarkBlue / c[2] : 0.0f;
        if (!Near(c[0] * scale, MarkRed(mark))) {
            continue;
        }
        const bool body = Near(c[1] * scale, BodyGreen);
        const bool caption = Near(c[1] * scale, CaptionGreen);
        if (!body && !caption) {
            continue;
        }
        d.body = d.body || body;
        d.caption = d.caption || caption;
        d.first = d.first < 0 ? k : d.first;
        d.last = k;
    }
    return d;
}

// Every draw of the card marked `top`, caption included, comes after every draw of the card
// marked `under`.
inline testing::AssertionResult DrawnOver(const platform::RecordingGraphics& graphics, int top,
                                          int under) {
    const Draws a = DrawsOf(graphics, top);
    const Draws b = DrawsOf(graphics, under);
    if (!a.body || !a.caption || !b.body || !b.caption) {
        return testing::AssertionFailure()
               << "card " << top << " or " << under << " not drawn whole";
    }
    if (a.first > b.last) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "card " << top << " (draws " << a.first << ".." << a.last << ") not over card "
           << under << " (draws " << b.first << ".." << b.last << ")";
}

} // namespace card_stack
