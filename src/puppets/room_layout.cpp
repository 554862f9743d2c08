// Where things stand in a terrain's room:
//
//   1. Rectangles of the room
//   2. The floor in sight
//   3. What a puppet takes of the room
//   4. The furniture, away from the puppets
#include "puppets/room_layout.h"

#include <algorithm>
#include <cmath>

#include "puppets/animal.h"
#include "puppets/pantin.h"
#include "puppets/puppets_playfield.h"

// ---------------------------------------------------------------------------------------------
// 1. Rectangles of the room

void Cadre::Ajoute(float x, float y) {
    gauche = std::min(gauche, x);
    droite = std::max(droite, x);
    haut = std::min(haut, y);
    bas = std::max(bas, y);
}

void Cadre::Ajoute(const Cadre& autre) {
    if (!autre.Vide()) {
        Ajoute(autre.gauche, autre.haut);
        Ajoute(autre.droite, autre.bas);
    }
}

Cadre Cadre::Decale(float dx) const {
    Cadre c = *this;
    if (!Vide()) {
        c.gauche += dx;
        c.droite += dx;
    }
    return c;
}

Cadre CadreDe(const iSprite& sprite) {
    Cadre c;
    if (sprite.Images().empty()) {
        return c;
    }
    const auto& image =
        sprite.Images()[static_cast<std::size_t>(sprite.ImageIndex()) % sprite.Images().size()];
    if (!image || image->Frames() < 1) {
        return c;
    }
    // As the drawing places it: scaled about the handle, then turned.
    const float r = sprite.rotation * 0.017453292f;
    const float cs = std::cos(r);
    const float sn = std::sin(r);
    const float sx = sprite.ScaleX();
    const float sy = sprite.ScaleY();
    for (float u : {0.0f, static_cast<float>(image->Width())}) {
        for (float v : {0.0f, static_cast<float>(image->Height())}) {
            const float px = (u - image->HandleX()) * sx;
            const float py = (v - image->HandleY()) * sy;
            c.Ajoute(sprite.x + cs * px - sn * py, sprite.y + sn * px + cs * py);
        }
    }
    return c;
}

Cadre CadreDe(const Animal& animal) {
    Cadre c;
    for (const Membre* part : {animal.tete.get(), animal.queue.get(), animal.patte1.get(),
                               animal.patte2.get(), animal.patte3.get(), animal.patte4.get()}) {
        if (part) {
            c.Ajoute(CadreDe(*part));
        }
    }
    for (const iSprite* part : {static_cast<const iSprite*>(animal.ventre.get()),
                                static_cast<const iSprite*>(animal.visage.get())}) {
        if (part) {
            c.Ajoute(CadreDe(*part));
        }
    }
    return c;
}

// ---------------------------------------------------------------------------------------------
// 2. The floor in sight

void SolLibre(const std::vector<Cadre>& caches, float largeur, float hauteur, float& gauche,
              float& droite) {
    gauche = 0;
    droite = largeur;
    // Puppets and animals stand on the floor, up to the height of a child's head: a button
    // lower than that hides whoever stands behind it. One touching the room's left half closes
    // the floor from the left, one in the right half from the right.
    const float hautDesPieds = hauteur - 300;
    for (const Cadre& c : caches) {
        if (c.Vide() || c.bas < hautDesPieds || c.haut > hauteur || c.droite <= 0 ||
            c.gauche >= largeur) {
            continue;
        }
        if (c.gauche + c.droite < largeur) {
            gauche = std::max(gauche, c.droite);
        } else {
            droite = std::min(droite, c.gauche);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// 3. What a puppet takes of the room

namespace {

// Around the grip of a raised hand, the fist.
constexpr float Poing = 24;

// A puppet's head with its hair and hat, turned either way and tilted as far as a look tilts it
// when it looks at something (it turns its head to it) or rides on the shoulders of one that
// does, tilted when it plays music.
Cadre TeteTournee(const Pantin& p, const Pantin* porteur) {
    Cadre c;
    if (!p.tete) {
        return c;
    }
    Cadre tete = CadreDe(*p.tete);
    if (p.cheveux) {
        tete.Ajoute(CadreDe(*p.cheveux));
    }
    if (p.avecChapeau && p.chapeau) {
        tete.Ajoute(CadreDe(*p.chapeau));
    }
    // Only a puppet that looks at something turns its head; a musician tilts it.
    using namespace CodeAction;
    const auto seTourne = [](const Pantin& q) {
        return q.AAction(RegarderPersonne) || q.AAction(RegarderObjet);
    };
    // One on the shoulders turns its head as its carrier does.
    const bool regarde = seTourne(p) || (porteur && seTourne(*porteur));
    const bool penche = regarde || p.AAction(JouerMusique);
    const float cx = p.tete->x;
    const float cy = p.tete->y;
    for (float degres : {penche ? -20.0f : 0.0f, 0.0f, penche ? 20.0f : 0.0f}) {
        const float r = degres * 0.017453292f;
        for (float x : {tete.gauche, tete.droite}) {
            for (float y : {tete.haut, tete.bas}) {
                const float px = (x - cx) * std::cos(r) - (y - cy) * std::sin(r);
                const float py = (x - cx) * std::sin(r) + (y - cy) * std::cos(r);
                c.Ajoute(cx + px, cy + py);
                if (regarde) {
                    c.Ajoute(cx - px, cy + py);
                }
            }
        }
    }
    return c;
}

} // namespace

Cadre Encombrement(const Pantin& p) {
    Cadre c = TeteTournee(p, nullptr);
    for (const iSprite* s :
         {static_cast<const iSprite*>(p.buste.get()),
          static_cast<const iSprite*>(p.brasDroit.get()),
          static_cast<const iSprite*>(p.brasGauche.get()),
          static_cast<const iSprite*>(p.jambe1.get()), static_cast<const iSprite*>(p.jambe2.get()),
          static_cast<const iSprite*>(p.mainDroite.get()),
          static_cast<const iSprite*>(p.mainGauche.get())}) {
        if (s) {
            c.Ajoute(CadreDe(*s));
        }
    }
    const auto montre = [&c](bool oui, const auto& sprite) {
        if (oui && sprite) {
            c.Ajoute(CadreDe(*sprite));
        }
    };
    montre(p.objetUneMainTenu, p.objetUneMain);
    montre(p.objetDeuxMainsTenu, p.objetDeuxMains);
    montre(p.avecGuitare, p.guitare);
    return c;
}

void MainsEnHaut(const Pantin& p, bool attrape, float dx, Cadre& c) {
    const auto poing = [&](float x, float y) {
        c.Ajoute(x + dx - Poing, y - Poing);
        c.Ajoute(x + dx + Poing, y + Poing);
    };
    // The whole arm, from the shoulder to the fist, and the fist on its way up, held out level.
    for (const auto& bras : {p.brasDroit, p.brasGauche}) {
        float x = 0;
        float y = 0;
        if (bras && p.MainLevee(*bras, x, y)) {
            poing(x, y);
            poing(bras->x, bras->y);
            const DecalageTourne t =
                TourneDecalage(bras->attacheX, bras->attacheY, -90 * p.sens, p.sens);
            poing(bras->x - t.distance * std::sin(t.angle),
                  bras->y + t.distance * std::cos(t.angle));
        }
    }
    // Something thrown to it: the front arm goes up to catch it.
    if (attrape && p.brasDroit) {
        const Membre& b = *p.brasDroit;
        const DecalageTourne t = TourneDecalage(b.attacheX, b.attacheY, -120 * p.sens, p.sens);
        poing(b.x - t.distance * std::sin(t.angle), b.y + t.distance * std::cos(t.angle));
        poing(b.x, b.y);
    }
}

// ---------------------------------------------------------------------------------------------
// 4. The furniture, away from the puppets

namespace {

// Pixels kept between a piece and a puppet, and between the two pieces.
constexpr float MargePerso = 20;
constexpr float MargeMeubles = 30;
// How far a head moves sideways with a throw's or a lift's lean.
constexpr float Elan = 80;

using Intervalle = std::pair<float, float>;

bool Voyage(const Pantin& p) {
    using namespace CodeAction;
    return p.AAction(Marcher) || p.AAction(Courir) || p.AAction(Pedaler) || p.AAction(Promener) ||
           p.AAction(Poursuivre) || p.poursuivi;
}

// The head, the body and the hands as they are drawn now, the head turned either way.
Cadre Silhouette(const Pantin& p, const Pantin* porteur) {
    Cadre c = TeteTournee(p, porteur);
    for (const iSprite* s : {static_cast<const iSprite*>(p.buste.get()),
                             static_cast<const iSprite*>(p.mainDroite.get()),
                             static_cast<const iSprite*>(p.mainGauche.get())}) {
        if (s) {
            c.Ajoute(CadreDe(*s));
        }
    }
    return c;
}

// The room's width a puppet takes where it starts and, unless it travels out of the room,
// where it acts: its silhouette at both places, its hands once raised, and the object it lifts.
// Nothing for a puppet out of the room.
Cadre Place(const Pantin& p, const Pantin* porteur, float largeur) {
    Cadre c;
    if (!p.buste || !p.tete) {
        return c;
    }
    const Pantin& pieds = porteur ? *porteur : p;
    if (!pieds.buste || pieds.buste->x < 0 || pieds.buste->x > largeur) {
        return c;
    }
    const Cadre ici = Silhouette(p, porteur);
    c.Ajoute(ici);
    if (Voyage(pieds)) {
        return c;
    }
    // Where the feet go to act (a partner on the shoulders goes along): its place, or, for a
    // lift, the object it walks to.
    const float dx = pieds.xArrivee - pieds.buste->x;
    c.Ajoute(ici.Decale(dx));
    MainsEnHaut(p, false, dx, c);
    if (pieds.AAction(CodeAction::Soulever) && pieds.objetDeuxMains) {
        c.Ajoute(CadreDe(*pieds.objetDeuxMains));
        c.Ajoute(ici.Decale(pieds.objetDeuxMains->x - pieds.buste->x));
    }
    // A thrower turns to its target, leans back and swings forward, and whoever sits on its
    // shoulders goes with it; a lifter bends down and straightens up.
    using namespace CodeAction;
    const auto lance = [](const Pantin& q) {
        return q.AAction(LancerSur) || q.AAction(LancerA) || q.AAction(LancerObjet);
    };
    if (lance(pieds) || lance(p)) {
        const float x = pieds.xArrivee;
        c.Ajoute(2 * x - c.droite, c.haut);
        c.Ajoute(2 * x - c.gauche, c.bas);
    }
    if (lance(pieds) || lance(p) || pieds.AAction(Soulever)) {
        c.gauche -= Elan;
        c.droite += Elan;
    }
    return c;
}

// The free stretches of [debut, fin] once the blocked intervals are taken out.
std::vector<Intervalle> Libres(std::vector<Intervalle> bloques, float debut, float fin) {
    std::sort(bloques.begin(), bloques.end());
    std::vector<Intervalle> libres;
    float x = debut;
    for (const auto& [a, b] : bloques) {
        if (a > x) {
            libres.push_back({x, std::min(a, fin)});
        }
        x = std::max(x, b);
        if (x >= fin) {
            break;
        }
    }
    if (x < fin) {
        libres.push_back({x, fin});
    }
    return libres;
}

// The place nearest `voulu` where a piece `largeur` wide fits among the free stretches; false
// when it fits nowhere.
bool PlusProche(const std::vector<Intervalle>& libres, float largeur, float voulu, float& x) {
    bool trouve = false;
    for (const auto& [a, b] : libres) {
        if (b - a < largeur) {
            continue;
        }
        const float ici = std::clamp(voulu, a, b - largeur);
        if (!trouve || std::fabs(ici - voulu) < std::fabs(x - voulu)) {
            x = ici;
            trouve = true;
        }
    }
    return trouve;
}

} // namespace

void EcarteLesMeubles(iPlayfieldPersos& piece) {
    const float largeur = piece.largeur;
    std::vector<Intervalle> persos;
    for (int i = 0; i <= piece.dernierPerso && i < static_cast<int>(piece.persos.size()); ++i) {
        const Pantin* p = piece.persos[static_cast<std::size_t>(i)].get();
        if (!p) {
            continue;
        }
        const Pantin* porteur = nullptr;
        for (const auto& q : piece.persos) {
            if (p->porte && q && q.get() != p && q->indexPorte > 0 &&
                q->indexPorte < static_cast<int>(piece.persos.size()) &&
                piece.persos[static_cast<std::size_t>(q->indexPorte)].get() == p) {
                porteur = q.get();
            }
        }
        Cadre c = Place(*p, porteur, largeur);
        for (const auto& q : piece.persos) {
            if (!c.Vide() && q && q->AAction(CodeAction::LancerA) && q->indexCible == i) {
                MainsEnHaut(*p, true, p->xArrivee - p->buste->x, c);
            }
        }
        if (!c.Vide()) {
            persos.push_back({c.gauche - MargePerso, c.droite + MargePerso});
        }
    }
    // Each piece in turn takes the place nearest its own that is clear of the puppets and of
    // the other piece; a piece that fits nowhere gives way to the narrowest other piece that
    // fits, or to none.
    std::shared_ptr<Meuble>* meubles[2] = {&piece.meuble1, &piece.meuble2};
    for (int k = 0; k < 2; ++k) {
        std::shared_ptr<Meuble>& m = *meubles[k];
        const std::shared_ptr<Meuble>& autre = *meubles[1 - k];
        if (!m) {
            continue;
        }
        std::vector<Intervalle> bloques = persos;
        if (autre) {
            bloques.push_back({autre->x - MargeMeubles, autre->x + autre->largeur + MargeMeubles});
        }
        const auto libres = Libres(bloques, MargeMeubles, largeur - MargeMeubles);
        float x = 0;
        if (PlusProche(libres, m->largeur, m->x, x)) {
            m->x = x;
            continue;
        }
        std::shared_ptr<Meuble> remplacant;
        for (int i = 0; i < iPlayfieldPersos::NombreDeMeubles; ++i) {
            auto candidat = piece.FabriqueMeuble(i, 1);
            if (i == m->piece || (autre && i == autre->piece) ||
                (remplacant && candidat->largeur >= remplacant->largeur) ||
                !PlusProche(libres, candidat->largeur, m->x, x)) {
                continue;
            }
            candidat->x = x;
            remplacant = candidat;
        }
        m = remplacant;
    }
}
