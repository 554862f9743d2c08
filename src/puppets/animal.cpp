// Animals: building, tinting, drawing and the walk.
//
//   1. Kinds and their pictures
//   2. Building
//   3. The walk and the drawing
#include "puppets/animal.h"

#include <cmath>
#include <cstdlib>

#include "framework/shared_assets.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/random.h"

// ---------------------------------------------------------------------------------------------
// 1. Kinds and their pictures

namespace {

struct Point {
    float x, y;
};

// Sizes, pivots inside the pictures, and where each part's pivot sits on the body picture.
struct Espece {
    const char16_t* mot;
    const char16_t* cle;
    float corpsL, corpsH;
    Point corps;
    float teteL, teteH;
    Point tete, teteA;
    float patteL, patteH;
    Point patte;
    Point pattesA[4];
    float queueL, queueH;
    Point queue, queueA;
};

// clang-format off
const Espece Especes[4] = {
    {u"animal_chien_m", u"chien", 159, 56, {77, 43}, 109, 56, {26, 32}, {142, 12}, 22, 39, {10, 9},
     {{22, 35}, {32, 35}, {125, 35}, {145, 35}}, 50, 50, {40, 36}, {17, 12}},
    {u"animal_crocodile_m", u"croco", 234, 64, {77, 43}, 109, 56, {20, 61}, {217, 30}, 22, 38, {10, 14},
     {{22, 48}, {50, 48}, {165, 48}, {185, 48}}, 88, 60, {80, 45}, {13, 36}},
    {u"animal_elephant_m", u"elephant", 460, 378, {230, 350}, 354, 432, {119, 105}, {397, 98}, 62, 79, {25, 10},
     {{77, 349}, {117, 349}, {312, 349}, {352, 349}}, 196, 214, {156, 17}, {47, 114}},
    // The fish is a body and a face of six frames; the face takes the head's geometry.
    {u"animal_poisson_m", u"poisson", 220, 181, {120, 62}, 220, 181, {120, 62}, {120, 0}, 0, 0, {0, 0},
     {}, 0, 0, {0, 0}, {0, 0}},
};
// clang-format on

constexpr int Poisson = 3;

const Espece& EspeceDe(const String& mot) {
    for (const Espece& espece : Especes) {
        if (mot == espece.mot) {
            return espece;
        }
    }
    return Especes[0];
}

String Fichier(const char16_t* prefixe, const Espece& espece) {
    return String(prefixe) + espece.cle + u".png";
}

} // namespace

// ---------------------------------------------------------------------------------------------
// 2. Building

void Animal::CreeSquelette(bool avecMembres) {
    ventre = std::make_shared<Buste>();
    visage = std::make_shared<Membre>();
    if (avecMembres) {
        patte1 = std::make_shared<Membre>();
        patte2 = std::make_shared<Membre>();
        patte3 = std::make_shared<Membre>();
        patte4 = std::make_shared<Membre>();
        tete = std::make_shared<Membre>();
        queue = std::make_shared<Membre>();
    }
}

void Animal::Colore(const String& couleurMot) { TireCouleur(couleurMot, couleur); }

void Animal::ChargeImages(const String& espece) {
    const Espece& e = EspeceDe(espece);
    const auto [r, g, b] = couleur;
    ventre->Charge(Fichier(u"ventre_", e), e.corps.x, e.corps.y, 0, 0, 0, r, g, b, e.corpsL,
                   e.corpsH);
    if (&e != &Especes[Poisson] && tete && queue && patte1 && patte2 && patte3 && patte4) {
        ChargePartie(*tete, Fichier(u"tete_", e), e.teteL, e.teteH, e.tete.x, e.tete.y, e.teteA.x,
                     e.teteA.y, r, g, b);
        ChargePartie(*queue, Fichier(u"queue_", e), e.queueL, e.queueH, e.queue.x, e.queue.y,
                     e.queueA.x, e.queueA.y, r, g, b);
        Membre* pattes[4] = {patte1.get(), patte2.get(), patte3.get(), patte4.get()};
        for (int i = 0; i < 4; ++i) {
            ChargePartie(*pattes[i], Fichier(u"patte_", e), e.patteL, e.patteH, e.patte.x,
                         e.patte.y, e.pattesA[i].x, e.pattesA[i].y, r, g, b);
        }
    }
    ChargePartie(*visage, Fichier(u"visage_", e), e.teteL, e.teteH, e.tete.x, e.tete.y, e.teteA.x,
                 e.teteA.y, 255, 255, 255);
}

void Animal::ChargePartie(Membre& partie, const String& chemin, float largeur, float hauteur,
                          float hx, float hy, float ax, float ay, int rouge, int vert, int bleu) {
    partie.PrendImage(ImageDeSprite(chemin, largeur == 220.0f ? 6 : 1));
    partie.SetHandle(hx, hy);
    partie.poigneeY = hy;
    partie.largeur = largeur;
    partie.hauteur = hauteur;
    FixeRepos(partie, ax, ay);
    partie.SetColor(static_cast<float>(rouge), static_cast<float>(vert), static_cast<float>(bleu));
}

Membre& Animal::FixeRepos(Membre& partie, float px, float py) {
    partie.reposX = partie.decalageX = px - (ventre ? ventre->poigneeX : 0.0f);
    partie.reposY = partie.decalageY = py - (ventre ? ventre->poigneeY : 0.0f);
    return partie;
}

void Animal::Fabrique(int largeurPiece, int sol, const String& espece, const String& couleurMot) {
    const bool poisson = espece == Especes[Poisson].mot;
    CreeSquelette(!poisson);
    Colore(couleurMot);
    ChargeImages(espece);
    ventre->x = 200 + platform::RandomFloat() * static_cast<float>(largeurPiece - 400);
    if (poisson) {
        ventre->y = static_cast<float>(sol) - 189 + ventre->poigneeY;
        sens = 1;
        visage->x = ventre->x;
        visage->y = ventre->y;
    } else {
        // The feet stand 17 pixels above the floor line.
        ventre->y =
            static_cast<float>(sol) - (patte1->hauteur - patte1->poigneeY + patte1->reposY) - 17;
        PlaceMembres(true);
    }
    estElephant = espece == Especes[2].mot;
}

void Animal::PlaceMembres(bool avecMembres) {
    sens = 1;
    if (!ventre || !visage) {
        return;
    }
    if (!avecMembres || !tete) {
        visage->x = ventre->x;
        visage->y = ventre->y;
        return;
    }
    tete->x = ventre->x + tete->decalageX;
    tete->y = ventre->y + tete->decalageY;
    for (Membre* part : {patte1.get(), patte2.get(), patte3.get(), patte4.get(), queue.get()}) {
        if (part) {
            part->x = ventre->x + static_cast<float>(sens) * part->decalageX;
            part->y = ventre->y + part->decalageY;
        }
    }
    visage->x = tete->x;
    visage->y = tete->y;
}

// ---------------------------------------------------------------------------------------------
// 3. The walk and the drawing

bool Animal::Marche(float depart, float but, float vitesse) {
    if (!ventre || !visage) {
        return true;
    }
    sens = but <= depart ? -1 : 1;
    const float goal = std::trunc(but);
    const bool poisson = EstPoisson();
    if (!demarre) {
        ventre->x = depart;
        oscillation = 0;
        if (poisson) {
            sens = 1;
            visage->x = ventre->x;
            visage->y = ventre->y;
        } else {
            PlaceMembres(true);
        }
        arrive = false;
        demarre = true;
    }
    ventre->x += vitesse * 4 * static_cast<float>(sens);

    if (poisson) {
        const int maintenant = platform::Milliseconds();
        if (maintenant > dernierTemps + 145) {
            dernierTemps = maintenant;
            for (iSprite* part :
                 {static_cast<iSprite*>(ventre.get()), static_cast<iSprite*>(visage.get())}) {
                part->SetFrame(part->Frame() > 4 ? 0 : part->Frame() + 1);
            }
        }
    } else if (patte1 && patte2 && patte3 && patte4) {
        const float s = static_cast<float>(sens);
        const float dx[4] = {patte1->decalageX, patte2->decalageX, patte3->decalageX,
                             patte4->decalageX};
        const float dy[4] = {patte1->decalageY, patte2->decalageY, patte3->decalageY,
                             patte4->decalageY};
        Membre* pattes[4] = {patte1.get(), patte2.get(), patte3.get(), patte4.get()};
        const float p = ventre->x;
        const float q = ventre->y;
        // The stride is worked out facing right, leg places as offsets from the body, and
        // mirrored for a walk to the left (a walked animal follows its walker both ways).
        const auto pose = [&](int i, float decalage, float y) {
            pattes[i]->x = p + s * decalage;
            pattes[i]->y = y;
        };
        const int demi = static_cast<int>(std::trunc(std::fabs(dx[1] - dx[0]))) / 2;
        const auto piedPose = [&](const platform::SoundPtr& son, int canal) {
            if (ventre->largeur == 460.0f) {
                bruitDePas = true;
                platform::PlaySound(son, canal);
            }
            pas = 0;
            oscillation = 0;
        };
        if (!deuxiemeTemps) {
            pas += 1;
            oscillation += pas > static_cast<float>(demi) ? 0.5f : -0.5f;
            pose(0, dx[0] + pas, dy[0] + q + oscillation);
            pose(1, dx[1] - pas, dy[1] + q);
            pose(2, dx[2] + pas, dy[2] + q + oscillation);
            pose(3, dx[3] - pas, dy[3] + q);
            if (dx[0] + pas < dx[1]) {
                bruitDePas = false;
            } else {
                deuxiemeTemps = true;
                piedPose(sonelephant1, 6);
                pose(0, dx[1], dy[0] + q);
                pose(1, dx[0], dy[1] + q);
                pose(2, dx[3], dy[2] + q);
                pose(3, dx[2], dy[3] + q);
            }
        } else {
            pas -= 1;
            oscillation += std::fabs(pas) > static_cast<float>(demi) ? 0.5f : -0.5f;
            pose(0, dx[0] - pas, dy[0] + q);
            pose(1, dx[1] + pas, dy[1] + q + oscillation);
            pose(2, dx[2] - pas, dy[2] + q);
            pose(3, dx[3] + pas, dy[3] + q + oscillation);
            if (dx[0] < dx[1] + pas) {
                bruitDePas = false;
            } else {
                deuxiemeTemps = false;
                piedPose(sonelephant2, 7);
                for (int i = 0; i < 4; ++i) {
                    pose(i, dx[i], dy[i] + q);
                }
            }
        }
    }

    visage->x = static_cast<float>(sens) * visage->decalageX + ventre->x;
    if (!poisson) {
        for (Membre* part : {tete.get(), queue.get()}) {
            if (part) {
                part->x = static_cast<float>(sens) * part->decalageX + ventre->x;
            }
        }
    }
    if (sens > 0 ? ventre->x > goal - 1 : ventre->x < goal + 1) {
        arrive = true;
    }
    return true;
}

void Animal::DessineCorps() const {
    if (!ventre) {
        return;
    }
    if (!EstPoisson()) {
        for (const Membre* part :
             {queue.get(), patte1.get(), patte2.get(), patte3.get(), patte4.get()}) {
            if (part) {
                part->Draw();
            }
        }
    }
    ventre->Draw();
}

void Animal::DessineTete() const {
    if (!EstPoisson() && tete) {
        tete->Draw();
    }
    if (visage) {
        visage->Draw();
    }
}
