// The background and decor playfields of the menu screens.
#include "puppets/decor_playfields.h"

#include <algorithm>

#include "framework/letterbox.h"
#include "framework/shared_assets.h"
#include "platform/graphics.h"
#include "platform/random.h"

int DecorDisposition = 0;
int DecorMeuble1 = 0;
int DecorMeuble2 = 0;
float DecorPoigneeY1 = 0;
float DecorPoigneeY2 = 0;
float DecorX = 0;
float DecorY = 0;
bool NouvelEcran = false;

void ResetDecorGlobals() {
    DecorDisposition = 0;
    DecorMeuble1 = 0;
    DecorMeuble2 = 0;
    DecorPoigneeY1 = 0;
    DecorPoigneeY2 = 0;
    DecorX = 0;
    DecorY = 0;
    NouvelEcran = false;
}

namespace {

// Gap between the two pieces, and height of the floor strip's top above the floor line.
constexpr float EcartMeubles = 240;
constexpr float HausseSol = 15;
constexpr float ReculSolPose = 80;

// Channels stay ints through the correction; only the clear sees 0..255.
float Canal(int value) { return static_cast<float>(std::clamp(value, 0, 255)) / 255.0f; }

int Ligne(int index) { return std::clamp(index, 0, 8); }

} // namespace

int iPlayfieldFond::FixeCouleur(bool correction, int r, int g, int b) {
    if (correction) {
        if (r > b + 80) {
            b += 60;
        }
        if (b > r + 80 && b > g + 80) {
            g += 60;
        }
        if (g > r + 80 && g > b + 80) {
            r += 60;
        }
        if (r < b - 80 && r < g - 80) {
            r += 60;
        }
        if (b < r + 80 && b < g + 80) {
            b += 60;
        }
        if (g < r + 80 && g < b + 80) {
            g += 60;
        }
    }
    rouge = r;
    vert = g;
    bleu = b;
    return 0;
}

int iPlayfieldFond::OnRender() {
    platform::Cls(Canal(rouge), Canal(vert), Canal(bleu), 1.0f);
    return 0;
}

void iPlayfieldDecore::AttacheSuiveurs(float recul) {
    if (!meuble1 || !meuble2 || !sol) {
        return;
    }
    meuble2->x = meuble1->x + meuble1->Width() + EcartMeubles;
    meuble2->y = meuble1->y;
    sol->x = meuble1->x - recul;
    sol->y = meuble1->y - HausseSol;
}

void iPlayfieldDecore::DecorAuHasard() {
    if (!meuble1 || !meuble2 || !sol) {
        return;
    }
    disposition = platform::RandomIndex(4);
    DecorDisposition = disposition;
    const int premier = platform::RandomIndex(9);
    int second = platform::RandomIndex(9);
    while (second == premier) {
        second = platform::RandomIndex(9);
    }
    DecorMeuble1 = premier;
    DecorMeuble2 = second;
    meuble1->SetImage(imgmeubles[static_cast<std::size_t>(premier)]);
    meuble2->SetImage(imgmeubles[static_cast<std::size_t>(second)]);
    DecorPoigneeY1 = static_cast<float>(mesures[premier][0] - mesures[premier][1]);
    DecorPoigneeY2 = static_cast<float>(mesures[second][0] - mesures[second][1]);
    meuble1->SetHandle(0, DecorPoigneeY1);
    meuble2->SetHandle(0, DecorPoigneeY2);

    const float w = ViewportWidth();
    const float h = ViewportHeight();
    switch (disposition) {
    case 0:
        meuble1->x = 100 + platform::RandomFloat(200);
        meuble1->y = h + 600;
        break;
    case 1:
        meuble1->x = 100 + platform::RandomFloat(200);
        meuble1->y = -500;
        break;
    case 2:
        meuble1->x = w + 500;
        meuble1->y = 550 + platform::RandomFloat() * (h - 650);
        break;
    default:
        meuble1->x = -meuble1->Width() - meuble2->Width() - 300;
        meuble1->y = 550 + platform::RandomFloat() * (h - 650);
        break;
    }
    DecorX = meuble1->x;
    DecorY = meuble1->y;
    AttacheSuiveurs(ReculSolPose);
}

void iPlayfieldDecore::RestaureDecor() {
    if (!meuble1 || !meuble2 || !sol) {
        return;
    }
    disposition = DecorDisposition;
    meuble1->SetImage(imgmeubles[static_cast<std::size_t>(Ligne(DecorMeuble1))]);
    meuble2->SetImage(imgmeubles[static_cast<std::size_t>(Ligne(DecorMeuble2))]);
    meuble1->SetHandle(0, DecorPoigneeY1);
    meuble2->SetHandle(0, DecorPoigneeY2);
    meuble1->x = DecorX;
    meuble1->y = DecorY;
    AttacheSuiveurs(ReculSolPose);
}

int iPlayfieldDecore::ReprendDecor(iPlayfield* fond) {
    if (!NouvelEcran) {
        return 0;
    }
    RestaureDecor();
    if (WindowResized) {
        // The fit raises the flag itself: clearing it afterwards catches the resize up once.
        FitToWindow(fond, this);
        WindowResized = false;
    }
    return 0;
}
