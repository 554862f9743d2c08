// The puppets playfield: the per-frame animation, the end of an animation, the random room, and
// the drawing shared by the room playfields.
//
//   1. One frame of animation
//   2. Faces, the end and the guitar
//   3. The room
//   4. Drawing
#include "puppets/puppets_playfield.h"

#include <algorithm>
#include <cmath>

#include "framework/shared_assets.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/random.h"
#include "puppets/animal.h"
#include "sentence/vocabulary.h"

namespace {

constexpr float RadiansParDegre = 0.017453292f;

// Codes whose puppet takes the rest pose before its step: none, looking, carrying, music,
// cooking.
bool AuRepos(int code) {
    using namespace CodeAction;
    return code == Aucune || code == RegarderPersonne || code == RegarderObjet ||
           code == PorterSurEpaules || code == JouerMusique || code == Cuisiner;
}

bool Voyage(int code) {
    using namespace CodeAction;
    return code == Marcher || code == LeverLesBras || code == Courir || code == Poursuivre ||
           code == Promener || code == Pedaler;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// 1. One frame of animation

Pantin* iPlayfieldPersos::Perso(int index) const {
    if (index < 0 || index >= static_cast<int>(persos.size())) {
        return nullptr;
    }
    return persos[static_cast<std::size_t>(index)].get();
}

void iPlayfieldPersos::PasDAction(Pantin& x, int code) {
    using namespace CodeAction;
    const float w = largeur;
    const float h = hauteur;
    switch (code) {
    case Marcher:
        x.Marche(x.xDepart, x.xArrivee, true, 1.0f);
        break;
    case Courir:
        x.Marche(x.xDepart, x.xArrivee, true, 2.0f);
        break;
    case LeverLesBras:
        x.LeveBras(x.xDepart, x.xArrivee, 2, 180.0f, 1.0f);
        break;
    case LeverUnBras:
        x.LeveBras(x.xDepart, x.xArrivee, 1, 180.0f, 1.0f);
        break;
    case Soulever:
        x.Souleve(static_cast<int>(w), static_cast<int>(h), solGauche, solDroite);
        break;
    case Poursuivre:
        // A chase starts to the right of a button over the left of the floor.
        if (Pantin* y = Perso(x.indexPoursuivi)) {
            x.Poursuit(550.0f + (solGauche > 0 ? solGauche + DemiLargeurPerso : 0.0f), w, *y);
        }
        break;
    case LancerSur:
        // Onto the top of the target's head, a little toward its face whichever way it looks.
        if (Pantin* y = Perso(x.indexCible); y && y->tete) {
            const Membre& t = *y->tete;
            const DecalageTourne r =
                TourneDecalage(t.attacheX, t.attacheY, t.rotation, y->sensTete);
            x.Lance(x.xArrivee, t.x + 20 * y->sensTete + 0.5f * t.largeur * std::sin(r.angle),
                    t.y - t.hauteur + 25, *y, true);
        }
        break;
    case LancerA:
        // Into the hand of the target's arm raised at -120 degrees, where it catches.
        if (Pantin* y = Perso(x.indexCible); y && y->brasDroit) {
            const Membre& b = *y->brasDroit;
            const float l = std::sqrt(b.attacheX * b.attacheX + b.attacheY * b.attacheY);
            const float a = AtanDegres(b.attacheX, b.attacheY);
            const float r = (y->sens * -120 - y->sens * a) * RadiansParDegre;
            x.Lance(x.xArrivee, b.x - l * std::sin(r), b.y + l * std::cos(r), *y, false);
        }
        break;
    case LancerObjet:
        x.Lance(x.xArrivee, w, h - 20, x, true);
        break;
    case Promener:
        if (x.animal1) {
            x.PromeneAnimal(x.xDepart, x.xArrivee, *x.animal1);
            if (x.animal1->bruitDePas) {
                x.animal1->bruitDePas = false;
                pasElephant = true;
            }
        }
        break;
    case PorterSurEpaules:
        if (Pantin* y = Perso(x.indexPorte)) {
            x.PorteSurEpaules(*y);
        }
        break;
    case JouerMusique:
        x.JoueMusique(IsActive(), SonGuitare());
        break;
    case Cuisiner:
        x.Cuisine(IsActive(), animationFinie);
        break;
    case Pedaler:
        x.Pedale(x.xDepart, x.xArrivee, 1.4f);
        break;
    default:
        break;
    }
}

int iPlayfieldPersos::AnimePersos() {
    // The watched animal crosses the room on its own. Where a button covers the left of the
    // floor it comes in past the button, and a second one follows the first at a distance
    // rather than walking over it.
    Pantin* p0 = Perso(0);
    Pantin* p1 = deuxiemePerso ? Perso(1) : nullptr;
    const auto depart = [this](const Pantin& p, float voulu) {
        if (solGauche <= 0 || !p.animal2 || !p.animal2->ventre || p.animal2->demarre) {
            return voulu;
        }
        // Its tail, too, clear of the button.
        const float recul = p.animal2->ventre->x - CadreDe(*p.animal2).gauche;
        return std::max(voulu, solGauche + recul + 10);
    };
    float depart0 = p0 ? depart(*p0, 0.0f) : 0.0f;
    float depart1 = p1 ? depart(*p1, p1->xDepart) : 0.0f;
    if (p0 && p1 && p0->animalRegarde && p1->animalRegarde && p0->animal2 && p0->animal2->ventre &&
        p1->animal2 && p1->animal2->ventre && !p1->animal2->demarre) {
        const Animal& a0 = *p0->animal2;
        const Animal& a1 = *p1->animal2;
        const float avant = CadreDe(a1).droite - a1.ventre->x;
        depart1 = std::min(depart1, depart0 - (a0.ventre->x - CadreDe(a0).gauche) - avant - 40);
        // Out of sight while a button covers the left of the floor.
        if (solGauche > 0) {
            depart1 = std::min(depart1, -avant - 10);
        }
    }
    const auto animalRegarde = [this](Pantin& p, float depart, bool effaceBruit) {
        if (p.animalRegarde && p.animal2 && !p.animal2->arrive) {
            p.animal2->Marche(depart, largeur + 200, 1.0f);
            if (p.animal2->bruitDePas) {
                pasElephant = true;
                if (effaceBruit) {
                    p.animal2->bruitDePas = false;
                }
            }
        }
    };
    if (p0) {
        animalRegarde(*p0, depart0, false);
        if (AuRepos(p0->action1) && AuRepos(p0->action2)) {
            p0->Repos(p0->xArrivee);
        }
        // A carried partner is seated once the carrier has taken its own step: it then sits on
        // the carrier where the carrier is in this frame.
        const bool porteEnDernier = p0->action1 == CodeAction::PorterSurEpaules;
        PasDAction(*p0, porteEnDernier ? p0->action2 : p0->action1);
        const bool enCours = p0->actionEnCours;
        PasDAction(*p0, porteEnDernier ? p0->action1 : p0->action2);
        p0->actionEnCours = enCours || p0->actionEnCours;
        // A musician that moves in its other step takes its guitar along in the same frame.
        if (p0->AAction(CodeAction::JouerMusique)) {
            p0->PlaceGuitare();
        }
    }
    if (p1) {
        animalRegarde(*p1, depart1, true);
        if (AuRepos(p1->action1)) {
            p1->Repos(p1->xArrivee);
        }
        PasDAction(*p1, p1->action1);
    }
    // The persons of the complements stand by. Without the second noun group they take the
    // first free places.
    const int premier = deuxiemePerso ? 2 : 1;
    if (Pantin* p = Perso(premier); troisiemePerso && p && !p->poursuivi) {
        p->Repos(p->xArrivee);
    }
    if (Pantin* p = Perso(premier + (troisiemePerso ? 1 : 0));
        quatriemePerso && p && !p->poursuivi) {
        p->Repos(p->xArrivee);
    }
    AnimeVisages();
    if (pasElephant) {
        PasElephant();
    }
    CalculeFin();
    if (meublesAPlacer) {
        meublesAPlacer = false;
        EcarteLesMeubles(*this);
    }
    return 0;
}

// ---------------------------------------------------------------------------------------------
// 2. Faces, the end and the guitar

void iPlayfieldPersos::AnimeVisages() {
    const int maintenant = platform::Milliseconds();
    for (int i = 0; i <= dernierPerso; ++i) {
        Pantin* p = Perso(i);
        if (!p || !p->visage || !p->tete) {
            continue;
        }
        Visage& visage = *p->visage;
        if (!p->dort) {
            // Eyes open for the puppet's interval, closed for 200 ms.
            if (maintenant > p->debutClignement + p->intervalleClignement && !enPause) {
                if (!p->yeuxFermes) {
                    p->yeuxFermes = true;
                    p->debutClignement = maintenant + 200 - p->intervalleClignement;
                    visage.SetFrame(visage.expression + 4);
                } else {
                    p->yeuxFermes = false;
                    p->debutClignement = maintenant;
                    visage.SetFrame(visage.expression);
                }
            }
            continue;
        }
        visage.SetFrame(visage.expression + 4);
        if (!p->zzz) {
            continue;
        }
        const Membre& tete = *p->tete;
        const float a = AtanDegres(tete.attacheX, tete.attacheY);
        const float r = (tete.rotation - p->sensTete * a) * RadiansParDegre;
        p->zzz->x = tete.x + 20 + 0.5f * tete.largeur * std::sin(r);
        p->zzz->y = tete.y - tete.hauteur - 20;
        if (maintenant > p->debutZzz + 300) {
            p->debutZzz = maintenant;
            const int image = p->zzz->Frame();
            p->zzz->SetFrame(image < 5 ? image + 1 : 0);
        }
        const float attente = 5000 + platform::RandomFloat(2000);
        if (static_cast<float>(maintenant) > static_cast<float>(p->debutRonflement) + attente &&
            p->zzz->Frame() > 3 && IsActive()) {
            if (!animationFinie ||
                ((p->action1 == CodeAction::Aucune || p->action2 == CodeAction::Aucune) &&
                 p->EstVisible())) {
                p->debutRonflement = maintenant;
                platform::PlaySound(sonzzz, 5);
            }
        }
    }
}

int iPlayfieldPersos::PasElephant() {
    if (!secousseEnCours) {
        secousseEnCours = true;
        ySecousse = y;
    }
    if (y < ySecousse + 5) {
        y += 1.0f;
    } else {
        y = ySecousse;
        pasElephant = false;
        secousseEnCours = false;
    }
    return 0;
}

void iPlayfieldPersos::CalculeFin() {
    animationFinie = true;
    bool guitaristeBrasLeves = false;
    const int dernier = modedejeu < 4 ? 3 : 0;
    for (int i = 0; i <= dernier; ++i) {
        const Pantin* p = Perso(i);
        if (!p) {
            continue;
        }
        if ((p->actionEnCours || p->poursuiteEnCours) && !p->brasLeves) {
            animationFinie = false;
        }
        if (p->animalRegarde && p->animal2 && !p->animal2->arrive) {
            animationFinie = false;
        }
        if (p->brasLeves && p->avecGuitare) {
            guitaristeBrasLeves = true;
        }
    }
    if (animationFinie && avecGuitare && (!BoucleGuitare() || guitaristeBrasLeves)) {
        platform::StopChannel(8);
    }
}

bool iPlayfieldPersos::BoucleGuitare() const {
    for (const auto& p : persos) {
        if (p && (Voyage(p->actionsDepart[0]) || Voyage(p->actionsDepart[1]))) {
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// 3. The room

int iPlayfieldPersos::CouleurFondAuHasard() {
    static constexpr Couleur Murs[12] = {{210, 180, 210}, {122, 210, 51},  {66, 118, 120},
                                         {140, 163, 255}, {235, 161, 50},  {224, 129, 219},
                                         {28, 115, 113},  {119, 15, 11},   {243, 97, 92},
                                         {255, 211, 122}, {219, 216, 168}, {238, 167, 120}};
    couleurFond = Murs[platform::RandomIndex(12)];
    for (std::size_t c = 0; c < 3; ++c) {
        couleurSol[c] = std::max(0, couleurFond[c] - 15);
    }
    return 0;
}

std::shared_ptr<Meuble> iPlayfieldPersos::FabriqueMeuble(int piece, int tableau) const {
    struct Piece {
        const char16_t* fichier;
        float largeur, poignee, decalage;
    };
    // The floor line is 60 pixels above the bottom; wall pieces hang above it.
    static constexpr Piece Pieces[NombreDeMeubles] = {
        {u"meuble_commode.png", 281, 269, 20},   {u"meuble_porte.png", 323, 524, 0},
        {u"meuble_armoire.png", 447, 533, 20},   {u"meuble_porte-manteau.png", 117, 373, 20},
        {u"meuble_gueridon.png", 206, 222, 20},  {u"meuble_lampe.png", 177, 510, 20},
        {u"meuble_fenetre.png", 212, 248, -200}, {u"meuble_pendule.png", 100, 250, -215},
        {u"meuble_tableau", 320, 252, -200}};
    const Piece& p = Pieces[std::clamp(piece, 0, NombreDeMeubles - 1)];
    String fichier = p.fichier;
    if (platform::StartsWith(fichier, u"meuble_tableau")) {
        fichier = u"meuble_tableau" + platform::Str(tableau) + u".png";
    }
    auto m = std::make_shared<Meuble>();
    m->PrendImage(ImageDeSprite(fichier, 1));
    m->piece = piece;
    m->largeur = p.largeur;
    m->poigneeY = p.poignee;
    m->decalageY = p.decalage;
    m->SetHandle(0, p.poignee);
    m->y = hauteur - 60 + p.decalage;
    return m;
}

void iPlayfieldPersos::MeublesAuHasard() {
    const int i1 = platform::RandomIndex(NombreDeMeubles);
    int i2 = platform::RandomIndex(NombreDeMeubles);
    while (i2 == i1) {
        i2 = platform::RandomIndex(NombreDeMeubles);
    }
    // A painting draws which one it is.
    const auto meuble = [this](int piece) {
        const int tableau =
            piece == MeubleTableau ? static_cast<int>(platform::RandomFloat() * 10 + 1) : 0;
        return FabriqueMeuble(piece, tableau);
    };
    meuble1 = meuble(i1);
    meuble2 = meuble(i2);
    const float w = largeur;
    meuble1->x = 50 + platform::RandomFloat() * (w / 2 - meuble1->largeur - 100);
    meuble2->x =
        (w / 2 + 50) + platform::RandomFloat() * ((w - meuble2->largeur - 50) - (w / 2 + 50));
}

// ---------------------------------------------------------------------------------------------
// 4. Drawing

void iPlayfieldPersos::DessineSol() {
    SetColor(static_cast<float>(couleurSol[0]), static_cast<float>(couleurSol[1]),
             static_cast<float>(couleurSol[2]));
    platform::DrawRect(0, Height() - 60, Width(), 60);
    for (const auto& m : {meuble1, meuble2}) {
        if (m) {
            m->Draw();
        }
    }
}

void iPlayfieldPersos::DessineLaisse(const Animal& a) {
    SetColor(0, 0, 0);
    SetAlpha(0.8f);
    const float lx = a.laisseX;
    const float ly = a.laisseY;
    if (a.EstPoisson()) {
        const float bx = a.ventre->x;
        const float by = a.ventre->y;
        platform::DrawLine(lx, ly, bx - 53, by - 48);
        platform::DrawPoly({lx, ly - 2, lx, ly + 2, bx - 53, by - 45, bx - 51, by - 51});
    } else if (a.tete) {
        const float hx = a.tete->x;
        const float hy = a.tete->y;
        platform::DrawLine(lx, ly + 1, hx, hy + 1);
        platform::DrawLine(lx, ly - 1, hx, hy - 1);
        platform::DrawLine(lx, ly, hx, hy);
        platform::DrawPoly({lx - 2, ly - 2, lx + 1, ly + 2, hx + 2, hy + 3, hx - 2, hy - 3});
    }
    SetAlpha(1.0f);
}

void iPlayfieldPersos::DessineAnimaux(bool avecRegardes) {
    // The big animals behind the small ones: a walked elephant never hides the crocodile
    // someone watches.
    struct Dessin {
        const Animal* animal;
        const Pantin* promeneur;
    };
    std::vector<Dessin> dessins;
    for (int i = 0; i <= dernierPerso; ++i) {
        const Pantin* p = Perso(i);
        if (!p) {
            continue;
        }
        if (p->animalPromene && p->animal1 && p->animal1->ventre) {
            dessins.push_back({p->animal1.get(), p});
        }
        if (avecRegardes && p->animalRegarde && p->animal2 && p->animal2->ventre) {
            dessins.push_back({p->animal2.get(), nullptr});
        }
    }
    std::stable_sort(dessins.begin(), dessins.end(), [](const Dessin& a, const Dessin& b) {
        return a.animal->ventre->hauteur > b.animal->ventre->hauteur;
    });
    for (const Dessin& d : dessins) {
        d.animal->DessineCorps();
        // A walker that has left the room takes its lead along: no line across an empty room
        // to an animal that went the other way.
        const Pantin* p = d.promeneur;
        if (p && p->buste && p->buste->x >= 0 && p->buste->x <= 1280) {
            DessineLaisse(*d.animal);
        }
        d.animal->DessineTete();
    }
}

void iPlayfieldPersos::DessinePersos() {
    const auto dessine = [](const std::shared_ptr<iSprite>& s) {
        if (s) {
            s->Draw();
        }
    };
    for (int i = 0; i <= dernierPerso; ++i) {
        const Pantin* p = Perso(i);
        if (!p || p->porte) {
            continue;
        }
        // A carried partner sits between the carrier's back and front arms.
        const Pantin* q = p->indexPorte > 0 ? Perso(p->indexPorte) : nullptr;
        if (q) {
            q->DessineCorps();
            q->DessineObjets();
        }
        p->Dessine();
        if (q) {
            q->DessineObjets();
        }
        // An arm that went up behind the head was drawn with the body.
        if (!p->BrasLeveDerriereLaTete()) {
            dessine(p->mainDroite);
            dessine(p->brasDroit);
        }
        if (q) {
            q->DessineBrasAvant();
        }
    }
}

void iPlayfieldPersos::DessineObjetsEnVol() {
    for (int i = 0; i <= dernierPerso; ++i) {
        const Pantin* p = Perso(i);
        if (p && p->objetEnVol && !p->objetArrive && p->objetUneMain) {
            p->objetUneMain->Draw();
        }
    }
}

void iPlayfieldPersos::DessineRegardsEtEtoiles() {
    const auto regarde = [](const Pantin& p) {
        return p.AAction(CodeAction::RegarderPersonne) || p.AAction(CodeAction::RegarderObjet);
    };
    for (int i = dernierPerso; i >= 0; --i) {
        const Pantin* p = Perso(i);
        if (!p) {
            continue;
        }
        if (!p->porte && regarde(*p)) {
            p->DessineRegard();
        }
        if (const Pantin* q = p->indexPorte > 0 ? Perso(p->indexPorte) : nullptr;
            q && regarde(*q)) {
            q->DessineRegard();
        }
        p->DessineEtoiles();
    }
}

int iPlayfieldFin::OnRender() {
    // The wall fills the room only: on a window wider or taller than the canvas the end
    // screen's background shows around it, rather than a wall whose floor stops short.
    platform::Cls(static_cast<float>(couleurFond[0]) / 255,
                  static_cast<float>(couleurFond[1]) / 255,
                  static_cast<float>(couleurFond[2]) / 255, 1.0f);
    DessineSol();
    DessineAnimaux(false);
    DessinePersos();
    DessineObjetsEnVol();
    DessineRegardsEtEtoiles();
    return 0;
}
