// Pantin: the skeleton, loading a limb, the random hair and skin, and the posing operations.
//
//   1. The rotated offset
//   2. Skeleton and limbs
//   3. Hair and skin
//   4. Posing
#include <algorithm>
#include <array>
#include <cmath>

#include "platform/random.h"
#include "puppets/pantin.h"

namespace {

constexpr float DegresParRadian = 57.29578f;
constexpr float RadiansParDegre = 0.017453292f;

} // namespace

// ---------------------------------------------------------------------------------------------
// 1. The rotated offset

float AtanDegres(float num, float den) {
    // atan(x / 0) is a right angle, but 0 / 0 has no angle at all.
    return num == 0 && den == 0 ? 0.0f : std::atan(num / den) * DegresParRadian;
}

DecalageTourne TourneDecalage(float ox, float oy, float rotationParent, float sensParent) {
    DecalageTourne result;
    result.distance = std::sqrt(ox * ox + oy * oy);
    result.angle = (rotationParent - AtanDegres(ox, oy) * sensParent) * RadiansParDegre;
    return result;
}

float FinDeManche(const Membre& bras) {
    return bras.finManche > 0 ? bras.finManche : std::fabs(bras.attacheY);
}

// ---------------------------------------------------------------------------------------------
// 2. Skeleton and limbs

int Pantin::TypeDeCorps() const {
    const int type = choix[0];
    return type >= 0 && type < NombreDeTypes ? type : 0;
}

void Pantin::CreeSquelette() {
    buste = std::make_shared<Buste>();
    tete = std::make_shared<Membre>();
    brasDroit = std::make_shared<Membre>();
    brasGauche = std::make_shared<Membre>();
    jambe1 = std::make_shared<Membre>();
    jambe2 = std::make_shared<Membre>();
    mainDroite = std::make_shared<Extremite>();
    mainGauche = std::make_shared<Extremite>();
    visage = std::make_shared<Visage>();
    cheveux = std::make_shared<Extremite>();

    if (etoilesActives) {
        const auto etoile = ImageDeSprite(u"etoile.png", 1);
        static constexpr Couleur Teintes[3] = {{200, 80, 80}, {200, 200, 80}, {240, 240, 240}};
        for (auto& slot : etoiles) {
            slot = std::make_shared<Projection>();
            slot->rotation = platform::RandomFloat(90);
            slot->SetImage(etoile);
            const Couleur& teinte = Teintes[platform::RandomIndex(3)];
            slot->SetColor(static_cast<float>(teinte[0]), static_cast<float>(teinte[1]),
                           static_cast<float>(teinte[2]));
            slot->visible = false;
        }
    }
    if (objetUneMainTenu) {
        objetUneMain = std::make_shared<Accessoire>();
    }
    if (objetDeuxMainsTenu) {
        brasDroit->rotation = angleBras1 * sens;
        brasGauche->rotation = angleBras2 * sens;
        objetDeuxMains = std::make_shared<Accessoire>();
    }
    if (objetPose) {
        objetSurTable = std::make_shared<Accessoire>();
    }
    if (avecChapeau) {
        chapeau = std::make_shared<Chapeau>();
    }
    if (avecGuitare) {
        guitare = std::make_shared<Accessoire>();
    }
    regard = std::make_shared<iSprite>();
}

void Pantin::ChargePartie(Membre& partie, const String& fichier, float largeurPartie,
                          float hauteurPartie, int images, float hx, float hy, float px, float py,
                          float ax, float ay, int r, int g, int b, bool garderDecalages) {
    partie.PrendImage(images < 2
                          ? ImageDeSprite(fichier, 1)
                          : ImageDeSpriteEnGrille(
                                fichier, TaillePuissanceDeDeux(static_cast<int>(largeurPartie)),
                                TaillePuissanceDeDeux(static_cast<int>(hauteurPartie)), images));
    partie.SetHandle(hx, hy);
    partie.poigneeX = hx;
    partie.poigneeY = hy;
    partie.largeur = largeurPartie;
    partie.hauteur = hauteurPartie;
    if (!garderDecalages && buste) {
        partie.reposX = partie.decalageX = px - buste->poigneeX;
        partie.reposY = partie.decalageY = py - buste->poigneeY;
    }
    partie.FixeAttache(ax, ay);
    partie.SetColor(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
}

// ---------------------------------------------------------------------------------------------
// 3. Hair and skin

void Pantin::CheveuxAuHasard() {
    static constexpr Couleur Cheveux[9] = {{211, 141, 95}, {255, 153, 85}, {255, 50, 0},
                                           {166, 94, 46},  {85, 34, 0},    {238, 255, 170},
                                           {211, 188, 95}, {160, 44, 44},  {17, 17, 17}};
    couleurCheveux = Cheveux[platform::RandomIndex(9)];
}

void Pantin::PeauAuHasard() {
    static constexpr Couleur Peaux[8] = {{255, 213, 213}, {222, 170, 135}, {200, 113, 55},
                                         {233, 198, 175}, {255, 230, 151}, {233, 175, 198},
                                         {255, 246, 213}, {244, 215, 215}};
    couleurPeau = Peaux[platform::RandomIndex(8)];
}

// ---------------------------------------------------------------------------------------------
// 4. Posing

void Pantin::Repos(float x) {
    actionEnCours = false;
    const bool libre = !porte && !poursuivi;
    if (libre && buste) {
        buste->x = x;
        PlaceMembres();
    }
    if (brasGauche && brasDroit) {
        brasGauche->rotation = sens * angleBras2;
        brasDroit->rotation = sens * angleBras1;
    }
    MonteeEpaules();
    if (libre && jambe1 && jambe2) {
        jambe1->SetFrame(0);
        jambe2->SetFrame(0);
        jambe1->rotation = 0;
        jambe2->rotation = 0;
    }
    AttacheMembres();
}

void Pantin::PlaceMembres() {
    if (!buste || !tete || !brasDroit || !brasGauche || !jambe1 || !jambe2) {
        return;
    }
    const float miroir = sens == -1.0f ? -1.0f : 1.0f;
    const auto retourne = [miroir](iSprite* part) {
        if (part) {
            part->scaleX = miroir;
        }
    };
    retourne(buste.get());
    for (Membre* part :
         {brasDroit.get(), brasGauche.get(), jambe2.get(), jambe1.get(), tete.get()}) {
        retourne(part);
    }
    retourne(mainDroite.get());
    retourne(mainGauche.get());
    retourne(visage.get());
    retourne(cheveux.get());
    if (objetUneMainTenu && objetUneMain) {
        objetUneMain->scaleX = miroir;
    }
    if (objetDeuxMainsTenu && objetDeuxMains) {
        objetDeuxMains->scaleX = miroir;
    }
    if (avecGuitare && guitare) {
        guitare->scaleX = miroir;
    }
    if (chapeau) {
        chapeau->scaleX = miroir * chapeau->echelle;
    }
    if (miroir > 0) {
        buste->SetHandle(buste->poigneeX, buste->poigneeY);
    }

    for (Membre* part :
         {brasDroit.get(), brasGauche.get(), tete.get(), jambe1.get(), jambe2.get()}) {
        part->decalageX = part->reposX;
    }
    buste->rotation = objetDeuxMainsTenu && !porte ? sens * -8.0f : 0.0f;
    for (Membre* part : {tete.get(), brasDroit.get(), brasGauche.get()}) {
        DecalageSelonBuste(*part);
    }
    buste->y = yBusteRepos;
    yBuste = buste->y;
    for (Membre* jambe : {jambe1.get(), jambe2.get()}) {
        jambe->x = jambe->decalageX * sens + buste->x;
        jambe->y = jambe->decalageY + yJambes;
    }
    for (Membre* part : {tete.get(), brasGauche.get(), brasDroit.get()}) {
        part->x = part->decalageX * sens + buste->x;
        part->y = part->decalageY + buste->y;
    }
    AttacheMembres();
}

void Pantin::DecalageSelonBuste(Attachable& partie) {
    if (!buste) {
        return;
    }
    const DecalageTourne t = TourneDecalage(partie.reposX, partie.reposY, buste->rotation, sens);
    partie.decalageX = std::sin(t.angle) * sens * t.distance;
    partie.decalageY = -std::cos(t.angle) * t.distance;
}

void Pantin::MonteeEpaules() {
    if (monteeEpaules <= 0 || !buste || !tete || !brasDroit || !brasGauche) {
        return;
    }
    monteeEpaules -= 1;
    const float c = monteeEpaules;
    if (visage) {
        visage->SetFrame(5);
    }
    const auto auRepos = [this] {
        brasDroit->y = brasDroit->decalageY + buste->y;
        brasGauche->y = brasGauche->decalageY + buste->y;
        tete->y = tete->decalageY + buste->y;
    };
    if (c > 10) {
        brasDroit->y -= 20 - c;
        brasGauche->y -= 20 - c;
        tete->y += 20 - c;
    } else if (brasDroit->decalageY + buste->y <= brasDroit->y) {
        auRepos();
    } else {
        brasDroit->y += 20 - c;
        brasGauche->y += 20 - c;
        tete->y -= 20 - c;
    }
    if (c <= 0) {
        if (!dort && visage) {
            visage->SetFrame(1);
        }
        auRepos();
    }
}

void Pantin::AttacheMembres() {
    SuitMembres();
    PlaceObjetUneMain();
    if (objetDeuxMainsTenu) {
        PlaceObjetDeuxMains();
    }
    TourneGuitare();
    PlaceChapeau();
}

namespace {

// Where the hand's picture hangs on an arm drawn longer: only the sleeve stretches, down its
// picture, and the hand keeps its size and moves out with the sleeve's end, so that nothing gapes
// between them. Its pivot, then, is the arm's pivot moved down the arm's picture.
void PivotDeLaMain(const Membre& bras, float& x, float& y) {
    const float d = (bras.scaleY - 1) * FinDeManche(bras);
    const float r = bras.rotation * RadiansParDegre;
    x = bras.x - d * std::sin(r);
    y = bras.y + d * std::cos(r);
}

} // namespace

void Prise(const Membre& bras, float sens, float& x, float& y) {
    PivotDeLaMain(bras, x, y);
    const DecalageTourne t = TourneDecalage(bras.attacheX, bras.attacheY, bras.rotation, sens);
    x -= std::sin(t.angle) * t.distance;
    y += std::cos(t.angle) * t.distance;
}

void Pantin::SuitMembres() {
    const auto suit = [](iSprite* suiveur, const iSprite* guide) {
        if (suiveur && guide) {
            suiveur->x = guide->x;
            suiveur->y = guide->y;
            suiveur->rotation = guide->rotation;
        }
    };
    // A hand at the end of its arm, however long the arm is drawn: the hand keeps its size and
    // moves out along the arm (its picture hangs from the arm's pivot).
    const auto main = [this](Extremite* m, Membre* bras) {
        if (!m || !bras) {
            return;
        }
        bras->scaleY = AllongementBras(*bras);
        m->rotation = bras->rotation;
        PivotDeLaMain(*bras, m->x, m->y);
    };
    main(mainDroite.get(), brasDroit.get());
    main(mainGauche.get(), brasGauche.get());
    suit(visage.get(), tete.get());
    suit(cheveux.get(), tete.get());
}

void Pantin::PlaceObjetUneMain() {
    if (!objetUneMainTenu || !objetUneMain || !brasDroit) {
        return;
    }
    Prise(*brasDroit, sens, objetUneMain->x, objetUneMain->y);
    objetUneMain->rotation = objetUneMain->resteDroit ? 0.0f : brasDroit->rotation;
}

namespace {

// The corners of a rectangle turned by `r` radians about a point, then moved by (x, y).
using Coins = std::array<std::array<float, 2>, 4>;
Coins Tourne(float x, float y, float gauche, float haut, float droite, float bas, float r) {
    Coins c{{{gauche, haut}, {droite, haut}, {droite, bas}, {gauche, bas}}};
    for (auto& [cx, cy] : c) {
        const float tx = cx * std::cos(r) - cy * std::sin(r);
        cy = y + cx * std::sin(r) + cy * std::cos(r);
        cx = x + tx;
    }
    return c;
}

// Two turned rectangles overlap unless a side of one has the other wholly beyond it.
bool SeCroisent(const Coins& a, const Coins& b) {
    for (const Coins* c : {&a, &b}) {
        for (std::size_t i = 0; i < 2; ++i) {
            const float nx = (*c)[i + 1][1] - (*c)[i][1];
            const float ny = (*c)[i][0] - (*c)[i + 1][0];
            float minA = 1e9f, maxA = -1e9f, minB = 1e9f, maxB = -1e9f;
            for (std::size_t k = 0; k < 4; ++k) {
                const float pa = a[k][0] * nx + a[k][1] * ny;
                const float pb = b[k][0] * nx + b[k][1] * ny;
                minA = std::min(minA, pa);
                maxA = std::max(maxA, pa);
                minB = std::min(minB, pb);
                maxB = std::max(maxB, pb);
            }
            if (maxA <= minB || maxB <= minA) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

float Pantin::AngleTenuDevant(float angle) const {
    // Above the shoulder, the forearm comes across the face of the wide heads.
    angle = std::min(angle, 90.0f);
    if (!objetUneMain || !brasDroit || !tete || !visage) {
        return angle;
    }
    // Worked out facing right, the torso upright, from the torso's handle: the arm turns
    // forward by the negative angle there, and the thing with it.
    const Accessoire& objet = *objetUneMain;
    const Visage& v = *visage;
    const float yeux = tete->reposY - std::fabs(v.yeuxY);
    // The eyes, nose and mouth lie between the eyes' row and the chin at the head's pivot,
    // within an eye's size of the eyes; the head turns to the thing as the aim turns it.
    constexpr float AutourDesYeux = 12;
    const auto couvre = [&](float a) {
        const DecalageTourne main = TourneDecalage(brasDroit->attacheX, brasDroit->attacheY, -a, 1);
        const float px = brasDroit->reposX - main.distance * std::sin(main.angle);
        const float py = brasDroit->reposY + main.distance * std::cos(main.angle);
        const Coins chose =
            Tourne(px, py, -objet.poigneeX, -objet.poigneeY, objet.largeur - objet.poigneeX,
                   objet.hauteur - objet.poigneeY, objet.resteDroit ? 0.0f : -a * RadiansParDegre);
        const float tourne =
            std::clamp(AtanDegres(tete->reposY - py, tete->reposX - px), -18.0f, 18.0f);
        const Coins face = Tourne(
            tete->reposX, tete->reposY, std::min(v.oeil1X, v.oeil2X) - AutourDesYeux, v.yeuxY,
            std::max(v.oeil1X, v.oeil2X) + AutourDesYeux, 0, tourne * RadiansParDegre);
        float haut = chose[0][1];
        for (const auto& coin : chose) {
            haut = std::min(haut, coin[1]);
        }
        return haut < yeux || SeCroisent(chose, face);
    };
    while (angle > 0 && couvre(angle)) {
        angle -= 1;
    }
    return angle;
}

void Pantin::PlaceObjetDeuxMains() {
    if (objetDeuxMains && brasDroit) {
        Prise(*brasDroit, sens, objetDeuxMains->x, objetDeuxMains->y);
    }
}

void Pantin::PlaceGuitare() {
    if (avecGuitare && guitare && jambe1 && buste) {
        guitare->x = jambe1->decalageX * sens + buste->x;
        guitare->y = yBuste;
    }
}

void Pantin::TourneGuitare() {
    if (avecGuitare && guitare && buste) {
        guitare->rotation = buste->rotation;
    }
}

void Pantin::PlaceChapeau() {
    if (!avecChapeau || !chapeau || !tete) {
        return;
    }
    const DecalageTourne t =
        TourneDecalage(tete->attacheX, tete->attacheY, tete->rotation, sensTete);
    chapeau->x = std::sin(t.angle) * t.distance + tete->x;
    chapeau->y = tete->y - std::cos(t.angle) * t.distance;
    chapeau->rotation = tete->rotation;
}

void Pantin::FixeDecalage(Attachable& partie, float px, float py) {
    if (!buste) {
        return;
    }
    partie.reposX = partie.decalageX = px - buste->poigneeX;
    partie.reposY = partie.decalageY = py - buste->poigneeY;
}
