// Staging one sentence on a terrain, in the order the random draws follow:
//
//   1. The terrain and its room
//   2. Who is a person, and where each one stands
//   3. The subject: its props, its building, its action codes
//   4. The second noun group
//   5. A throw at a target that walks
//   6. The persons of the complements
//   7. The guitar, the start state, the tables
//   8. The floor in sight: where the game scene's buttons cover a corner of the floor, the
//      puppets, their walks' starts and the tables keep clear of it
#include "puppets/terrain_staging.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <limits>

#include "framework/engine.h"
#include "platform/random.h"
#include "puppets/animal.h"
#include "puppets/room_layout.h"
#include "puppets/terrain_playfield.h"
#include "sentence/vocabulary.h"

namespace {

using platform::StartsWith;

// R(a, b): a + u (b - a), u the generator's next value.
float R(float a, float b) { return a + platform::RandomFloat() * (b - a); }

bool Perso(const String& mot) { return StartsWith(mot, u"perso"); }

// Left and right facing drawn with equal chance, for a puppet that looks at another.
float SensAuHasard() { return platform::RandomIndex(2) == 0 ? -1.0f : 1.0f; }

// The word of a one-hand or two-hand object goes in the hand, or on a table when it lies.
void Objet(const String& mot, String& enMain, String& surTable) {
    (platform::EndsWith(mot, u"|par_terre") ? surTable : enMain) = mot;
}

// The seven words a puppet is built with besides its person and verbs.
struct Accessoires {
    String uneMain;
    String deuxMains;
    String surTable;
    String animal1;
    String couleur1;
    String animal2;
    String couleur2;
};

// What the main verb links puppet 0 to, for the partners built afterwards.
enum class Lien { Aucun, PoursuiteOuLancer, Regard, Portage };

struct Plateau {
    iPlayFieldTerrainAction& terrain;
    const StructureAction& s;
    float w = 0;
    float h = 0;
    // The puppet index of each noun group that is a person.
    int indexGN2 = 0;
    int indexOC1 = 0;
    int indexOC2 = 0;
    // Start x of the four places.
    std::array<float, 4> x{};
    Lien lien = Lien::Aucun;
    std::array<bool, 4> construit{};

    Pantin& P(int i) { return *terrain.persos[static_cast<std::size_t>(i)]; }

    void Construit(int i, const String& mot, const String& verbe1, const String& verbe2,
                   const Accessoires& a, float sens) {
        P(i).Fabrique(static_cast<int>(w), static_cast<int>(h), mot, verbe1, verbe2, a.uneMain,
                      a.deuxMains, a.surTable, a.animal1, a.couleur1, a.animal2, a.couleur2, sens);
        construit[static_cast<std::size_t>(i)] = true;
    }
};

// ---------------------------------------------------------------------------------------------
// 2. Who is a person, and where each one stands

void Places(Plateau& p) {
    const StructureAction& s = p.s;
    iPlayFieldTerrainAction& t = p.terrain;
    const bool gn2 = Perso(s.GroupeNominal2);
    const bool oc1 = Perso(s.ObjetComplement1);
    const bool oc2 = Perso(s.ObjetComplement2);
    t.immobile = s.Immobile;
    t.enPause = true;
    t.dernierPerso = s.NombrePersos - 1;
    t.deuxiemePerso = t.deuxiemePerso || gn2;
    t.troisiemePerso = t.troisiemePerso || oc1;
    t.quatriemePerso = t.quatriemePerso || oc2;
    // Persons take the indices in the order of the roles; without the second noun group the
    // complements take the first free places.
    p.indexGN2 = gn2 ? 1 : 0;
    p.indexOC1 = oc1 ? 1 + (gn2 ? 1 : 0) : 0;
    p.indexOC2 = oc2 ? 1 + (gn2 ? 1 : 0) + (oc1 ? 1 : 0) : 0;

    // A carried person takes no place of its own.
    const String porter = u"p_portersurepaules";
    const bool debout2 = gn2 && s.Action != porter;
    const bool debout3 = oc1 && s.VerbeComplement1 != porter;
    const bool debout4 = oc2 && s.VerbeComplement2 != porter;
    int n = s.NombrePersos - (s.Action == porter) - (s.VerbeComplement1 == porter) -
            (s.VerbeComplement2 == porter);
    const float pas = p.w / (2 * n - 1 < 0 ? 1.0f : static_cast<float>(2 * n - 1));
    n = std::max(n, 1);

    const float w = p.w;
    auto& [x1, x2, x3, x4] = p.x;
    const bool lance = StartsWith(s.Action, u"p_lancer");
    const bool lance2 = StartsWith(s.VerbeComplement2, u"p_lancer");
    if (n == 1) {
        x1 = R(w / 3, w - w / 3);
    } else if (n == 2 || n == 3) {
        x1 = R(220, pas);
        if (debout2) {
            x2 = R(w - pas, w - 220);
            // A thrower and its target stand far enough apart.
            if (lance && x2 - x1 < 200) {
                x2 += 200;
            }
        }
        if (debout3) {
            x3 = n == 2 ? R(w - pas, w - 220) : R(2 * pas, 3 * pas);
        }
        if (debout4) {
            x4 = n == 2 ? R(w - pas, w - 220) : R(2 * pas, 3 * pas);
            const float ecart = n == 2 ? 200.0f : 100.0f;
            if (lance2 && x4 - x2 < ecart) {
                x4 += ecart;
            }
        }
    } else if (n == 4) {
        x1 = R(220, pas);
        x2 = R(w - pas, w - 220);
        x3 = R(2 * pas, 3 * pas);
        x4 = R(4 * pas, 5 * pas);
    }
}

// ---------------------------------------------------------------------------------------------
// 3. The subject: its props, its building, its action codes

Accessoires AccessoiresDuSujet(const StructureAction& s) {
    Accessoires a;
    for (const String* mot : {&s.ObjetComplement1, &s.GroupeNominal2}) {
        if (StartsWith(*mot, u"unemain")) {
            Objet(*mot, a.uneMain, a.surTable);
        }
    }
    if (s.VerbeComplement1 == u"i_cuisiner" || s.Action == u"i_cuisiner") {
        a.uneMain = u"poele";
    }
    if (StartsWith(s.ObjetDonneLance1, u"unemain")) {
        a.uneMain = s.ObjetDonneLance1;
    }
    for (const String* mot : {&s.ObjetComplement1, &s.GroupeNominal2}) {
        if (StartsWith(*mot, u"deuxmains")) {
            Objet(*mot, a.deuxMains, a.surTable);
        }
    }
    // An animal is walked or watched.
    const auto animal = [&a](const String& mot, const String& verbe, const String& couleur) {
        if (!StartsWith(mot, u"animal")) {
            return;
        }
        if (verbe == u"a_promener") {
            a.animal1 = mot;
            a.couleur1 = couleur;
        } else if (verbe == u"po_regarder") {
            a.animal2 = mot;
            a.couleur2 = couleur;
        }
    };
    animal(s.GroupeNominal2, s.Action, s.GroupeNominalAdjectif2);
    animal(s.ObjetComplement1, s.VerbeComplement1, s.ObjetComplementAdjectif1);
    return a;
}

// Walkers start near the left edge and leave the room on the right.
void Traverse(Pantin& q, float w) {
    q.xDepart = R(0, w * 0.125f);
    q.xArrivee = w + 250;
}

void CodesDuSujet(Plateau& p) {
    using namespace CodeAction;
    const StructureAction& s = p.s;
    Pantin& q = p.P(0);
    const float x1 = p.x[0];
    const float w = p.w;
    // Each row in turn: the verb of the main clause gives action1, the one of the subject's own
    // clause action2; "its object" is the object of the verb that matched.
    const auto ligne = [&](const char16_t* verbe, auto&& effet) {
        const bool principal = s.Action == verbe;
        const bool second = s.VerbeComplement1 == verbe;
        if (!principal && !second) {
            return;
        }
        const auto code = [&q, principal](int c) { (principal ? q.action1 : q.action2) = c; };
        const auto objetCommence = [&](const char16_t* debut) {
            return (principal && StartsWith(s.GroupeNominal2, debut)) ||
                   (second && StartsWith(s.ObjetComplement1, debut));
        };
        const int sonPerso = principal ? p.indexGN2 : p.indexOC1;
        effet(code, objetCommence, sonPerso, principal);
    };
    ligne(u"i_lever les bras", [&](auto code, auto, int, bool) {
        code(LeverLesBras);
        q.xDepart = x1 - R(60, 100);
    });
    ligne(u"i_lever un bras", [&](auto code, auto, int, bool) {
        code(LeverUnBras);
        q.xDepart = x1 - R(60, 100);
    });
    ligne(u"p_poursuivre", [&](auto code, auto, int perso, bool principal) {
        code(Poursuivre);
        q.indexPoursuivi = perso;
        p.lien = principal ? Lien::PoursuiteOuLancer : p.lien;
    });
    for (auto [verbe, valeur] :
         {std::pair{u"p_lancer sur", LancerSur}, std::pair{u"p_lancer a", LancerA}}) {
        ligne(verbe, [&, valeur = valeur](auto code, auto, int perso, bool principal) {
            code(valeur);
            q.indexCible = perso;
            // The target knows it: the object it may lift stays out of the way of the throw.
            p.P(perso).lancerSurPersonne = true;
            p.lien = principal ? Lien::PoursuiteOuLancer : p.lien;
        });
    }
    ligne(u"oum_lancer", [&](auto code, auto, int, bool) {
        code(LancerObjet);
        q.xDepart = x1 - 80;
    });
    ligne(u"ouodm_tenir", [&](auto, auto objetCommence, int, bool) {
        if (objetCommence(u"une")) {
            q.angleBras1 = q.sens * 90;
        }
    });
    ligne(u"odm_soulever", [&](auto code, auto, int, bool) { code(Soulever); });
    ligne(u"a_promener", [&](auto code, auto, int, bool) {
        code(Promener);
        q.angleBras2 = q.sens * 60;
        Traverse(q, w);
    });
    ligne(u"i_marcher", [&](auto code, auto, int, bool) {
        code(Marcher);
        Traverse(q, w);
    });
    ligne(u"i_courir", [&](auto code, auto, int, bool) {
        code(Courir);
        Traverse(q, w);
    });
    ligne(u"po_regarder", [&](auto code, auto objetCommence, int perso, bool principal) {
        if (objetCommence(u"perso")) {
            code(RegarderPersonne);
            q.indexRegarde = perso;
            p.lien = principal ? Lien::Regard : p.lien;
            q.sens = SensAuHasard();
        } else {
            code(RegarderObjet);
            // Held out in front, the thing no higher than the eyes: higher, the forearm came
            // across the face and the thing up onto a hat's brim.
            if (objetCommence(u"une") && !q.objetPose) {
                q.angleBras1 = q.AngleTenuDevant(R(45, 135)) * q.sens;
            }
        }
    });
    ligne(u"p_portersurepaules", [&](auto code, auto, int perso, bool principal) {
        code(PorterSurEpaules);
        q.indexPorte = perso;
        p.lien = principal ? Lien::Portage : p.lien;
    });
    ligne(u"i_jouer de la musique", [&](auto code, auto, int, bool) {
        code(JouerMusique);
        p.terrain.avecGuitare = true;
    });
    ligne(u"i_cuisiner", [&](auto code, auto, int, bool) { code(Cuisiner); });
    ligne(u"i_pedaler", [&](auto code, auto, int, bool) {
        code(Pedaler);
        Traverse(q, w);
    });
}

// ---------------------------------------------------------------------------------------------
// 4. The second noun group

void DeuxiemePerso(Plateau& p) {
    using namespace CodeAction;
    const StructureAction& s = p.s;
    Pantin& sujet = p.P(0);
    Pantin& q = p.P(1);
    const String& verbe = s.VerbeComplement2;
    const String& objet = s.ObjetComplement2;
    if (sujet.AAction(RegarderPersonne)) {
        q.xArrivee = p.x[1];
        q.sens = SensAuHasard();
    }
    if (sujet.AAction(PorterSurEpaules) && p.lien == Lien::Portage) {
        q.porte = true;
    }
    if (sujet.AAction(Poursuivre) && p.lien == Lien::PoursuiteOuLancer) {
        q.poursuivi = true;
    }
    Accessoires a;
    if (StartsWith(objet, u"unemain")) {
        Objet(objet, a.uneMain, a.surTable);
    } else if (StartsWith(s.ObjetDonneLance2, u"unemain")) {
        a.uneMain = s.ObjetDonneLance2;
    } else if (StartsWith(objet, u"deuxmains")) {
        Objet(objet, a.deuxMains, a.surTable);
    } else if (StartsWith(objet, u"animal")) {
        if (verbe == u"a_promener") {
            a.animal1 = objet;
            a.couleur1 = s.ObjetComplementAdjectif2;
        } else if (verbe == u"po_regarder") {
            a.animal2 = objet;
            a.couleur2 = s.ObjetComplementAdjectif2;
        }
    }
    if (verbe == u"i_cuisiner") {
        a.uneMain = u"poele";
    }
    if (verbe == u"i_dormir") {
        q.dort = true;
    }
    const bool traverse = verbe == u"i_marcher" || verbe == u"i_courir" || verbe == u"i_pedaler";
    q.xArrivee = traverse ? p.w + 250 : p.x[1];
    p.Construit(1, s.GroupeNominal2, verbe, u"", a, q.porte ? sujet.sens : 0.0f);

    // The first verb of this chain that matches gives the code.
    if (verbe == u"i_marcher") {
        q.action1 = Marcher;
    } else if (verbe == u"i_courir") {
        q.action1 = Courir;
    } else if (verbe == u"i_lever les bras") {
        q.action1 = LeverLesBras;
    } else if (verbe == u"i_lever un bras") {
        q.action1 = LeverUnBras;
    } else if (verbe == u"oum_lancer") {
        q.action1 = LancerObjet;
        q.xDepart = p.x[1] - 80;
    } else if (verbe == u"p_lancer sur" || verbe == u"p_lancer a") {
        q.action1 = verbe == u"p_lancer sur" ? LancerSur : LancerA;
        // It throws from its own place, which keeps its distance from the target. (A place
        // taken from the subject's trunk, still where the last sentence left it, put the
        // thrower over the subject, or out of the room after a walk.)
        q.indexCible = p.indexOC2;
    } else if (verbe == u"p_poursuivre") {
        q.action1 = Poursuivre;
        q.indexPoursuivi = p.indexOC2;
    } else if (verbe == u"ouodm_tenir") {
        if (StartsWith(objet, u"une")) {
            q.angleBras1 = q.sens * 90;
            q.action1 = Aucune;
        }
    } else if (verbe == u"odm_soulever") {
        q.action1 = Soulever;
    } else if (verbe == u"a_promener") {
        q.action1 = Promener;
        q.angleBras2 = q.sens * 60;
        Traverse(q, p.w);
    } else if (verbe == u"i_pedaler") {
        q.action1 = Pedaler;
    } else if (verbe == u"i_cuisiner") {
        q.action1 = Cuisiner;
    }
    if (verbe == u"po_regarder") {
        if (Perso(objet)) {
            q.action1 = RegarderPersonne;
            q.indexRegarde = p.indexOC2;
            q.sens = SensAuHasard();
        } else {
            q.action1 = RegarderObjet;
            if (StartsWith(objet, u"une") && !q.objetPose) {
                q.angleBras1 = q.AngleTenuDevant(R(45, 135)) * q.sens;
            }
        }
    }
    if (verbe == u"p_portersurepaules") {
        q.action1 = PorterSurEpaules;
        q.indexPorte = p.indexOC2;
    }
    if (verbe == u"i_jouer de la musique") {
        q.action1 = JouerMusique;
        p.terrain.avecGuitare = true;
    }
}

// ---------------------------------------------------------------------------------------------
// 5. A throw at a target that walks

void CibleEnMouvement(Plateau& p) {
    using namespace CodeAction;
    const StructureAction& s = p.s;
    const bool lancer =
        s.Action == u"p_lancer sur" || s.Action == u"p_lancer a" || s.Action == u"oum_lancer";
    const String& v = s.VerbeComplement2;
    const bool bouge = v == u"i_marcher" || v == u"i_courir" || v == u"a_promener" ||
                       v == u"i_pedaler" || StartsWith(v, u"i_lever");
    if (!lancer || !bouge) {
        return;
    }
    Pantin& lanceur = p.P(0);
    const Pantin& cible = p.P(1);
    lanceur.cibleEnMouvement = true;
    lanceur.sens = 1.0f;
    // How fast each goes: the thrower by its own walk, the target by any move.
    const auto vitesse = [](const Pantin& q, int code, bool bras) {
        if (code == Marcher || code == Promener ||
            (bras && (code == LeverLesBras || code == LeverUnBras))) {
            return q.vitesse;
        }
        return code == Courir ? 2.2f * q.vitesse : code == Pedaler ? 1.4f * q.vitesse : 0.0f;
    };
    const float t = vitesse(lanceur, lanceur.action2, false);
    const float m = vitesse(cible, cible.action1, true);
    // A target that does not move after all leaves no lead to take.
    const float d = m != 0 ? 400 / m * t : 0.0f;
    lanceur.xDepart = cible.xDepart - d;
}

// ---------------------------------------------------------------------------------------------
// 6. The persons of the complements

void PersoComplement(Plateau& p, int index, const String& mot, float x, int codeDuVoisin,
                     bool porteParLeVoisin, float sensDuPorteur, bool poursuivi) {
    Pantin& q = p.P(index);
    if (codeDuVoisin == CodeAction::RegarderPersonne) {
        q.xArrivee = x;
        q.sens = SensAuHasard();
    }
    if (porteParLeVoisin) {
        q.porte = true;
    }
    q.xArrivee = x;
    p.Construit(index, mot, u"", u"", Accessoires{}, q.porte ? sensDuPorteur : 0.0f);
    if (poursuivi) {
        q.poursuivi = true;
    }
}

// ---------------------------------------------------------------------------------------------
// 8. The floor in sight

bool Marche(const Pantin& q) {
    using namespace CodeAction;
    return q.AAction(Marcher) || q.AAction(Courir) || q.AAction(Promener) || q.AAction(Pedaler);
}

// How far the puppet reaches either side of its torso as it stands now, facing either way (a
// thrower turns to its target): all of it, a partner on its shoulders, its hands once up, a
// throw's run-up or the object it catches; a margin besides.
void Envergure(const Plateau& p, const Pantin& q, float& gauche, float& droite) {
    using namespace CodeAction;
    Cadre c = Encombrement(q);
    if (q.indexPorte > 0 && q.indexPorte < 4 &&
        p.construit[static_cast<std::size_t>(q.indexPorte)]) {
        c.Ajoute(Encombrement(*p.terrain.persos[static_cast<std::size_t>(q.indexPorte)]));
    }
    bool attrape = false;
    for (int i = 0; i < 4; ++i) {
        const Pantin& r = *p.terrain.persos[static_cast<std::size_t>(i)];
        attrape |= p.construit[static_cast<std::size_t>(i)] && r.AAction(LancerA) &&
                   p.terrain.persos[static_cast<std::size_t>(r.indexCible)].get() == &q;
    }
    MainsEnHaut(q, attrape, 0, c);
    const float x = q.buste->x;
    // A throw's run-up starts a step away from the thrower's place; the object flies to the
    // catcher's raised hand.
    const float marge =
        q.AAction(LancerSur) || q.AAction(LancerA) || q.AAction(LancerObjet) || attrape ? 100.0f
                                                                                        : 12.0f;
    gauche = std::max({DemiLargeurPerso, x - c.gauche, c.droite - x}) + marge;
    droite = gauche;
}

// Where a button covers a corner of the floor, the puppets that stand in the room move clear
// of it, together: all slide the same way, drawn closer together only when the floor in sight
// is too short for them. Their approach walks start from it, and a walk across the room starts
// clear of the button, with the animal on the lead.
void SolEnVue(Plateau& p) {
    iPlayFieldTerrainAction& t = p.terrain;
    const float g = t.solGauche;
    const float d = t.solDroite;
    if (g <= 0 && d >= p.w) {
        return;
    }
    struct Place {
        float* x;
        float gauche, droite;
    };
    std::vector<Place> places;
    std::vector<Place> depuisLeBord;
    std::vector<Pantin*> debout;
    for (int i = 0; i < 4; ++i) {
        Pantin& q = p.P(i);
        if (!p.construit[static_cast<std::size_t>(i)] || q.porte) {
            continue;
        }
        const bool voyage = Marche(q) || q.AAction(CodeAction::Poursuivre) || q.poursuivi;
        if (!voyage) {
            // Measured as it will stand, its arms as its verbs hold them.
            q.Repos(q.xArrivee);
            q.PlaceGuitare();
        }
        float gauche = 0;
        float droite = 0;
        Envergure(p, q, gauche, droite);
        if (voyage) {
            float recul = gauche;
            if (q.AAction(CodeAction::Promener) && q.animal1 && q.animal1->ventre) {
                recul = std::max(recul, q.animal1->ventre->x - CadreDe(*q.animal1).gauche + 10);
            }
            if (Marche(q)) {
                q.xDepart = std::max(q.xDepart, g + recul);
                q.buste->x = q.xDepart;
                q.PlaceMembres();
            }
            continue;
        }
        debout.push_back(&q);
        places.push_back({&q.xArrivee, gauche, droite});
        // An approach walk from near its place moves with it; one from the room's edge (a
        // second noun group's raise, a throw that leads a walker) starts clear of the button.
        if (q.xDepart != 0 && std::fabs(q.xDepart - q.xArrivee) < 150) {
            places.push_back({&q.xDepart, gauche, droite});
        } else if (q.xDepart < q.xArrivee) {
            depuisLeBord.push_back({&q.xDepart, gauche, droite});
        }
    }
    // x -> a + k x: the largest k (up to 1, the places as drawn) for which some a keeps every
    // puppet whole between g and d; a as near as can be to a plain slide.
    const auto bornes = [&](float k, float& aMin, float& aMax) {
        aMin = -std::numeric_limits<float>::infinity();
        aMax = std::numeric_limits<float>::infinity();
        for (const Place& pl : places) {
            aMin = std::max(aMin, g + pl.gauche - k * *pl.x);
            aMax = std::min(aMax, d - pl.droite - k * *pl.x);
        }
        return aMin <= aMax;
    };
    float aMin = 0;
    float aMax = 0;
    float k = 1;
    if (!bornes(k, aMin, aMax)) {
        float bas = 0;
        for (int n = 0; n < 24; ++n) {
            const float milieu = (bas + k) / 2;
            (bornes(milieu, aMin, aMax) ? bas : k) = milieu;
        }
        k = bas;
        bornes(k, aMin, aMax);
    }
    float moyenne = 0;
    for (const Place& pl : places) {
        moyenne += *pl.x / static_cast<float>(places.size());
    }
    const float a = std::clamp((1 - k) * moyenne, aMin, std::max(aMin, aMax));
    for (const Place& pl : places) {
        *pl.x = a + k * *pl.x;
    }
    for (Pantin* q : debout) {
        for (const Place& pl : depuisLeBord) {
            if (pl.x == &q->xDepart) {
                q->xDepart = std::min(q->xArrivee, std::max(q->xDepart, g + pl.gauche));
            }
        }
        q->Repos(q->xArrivee);
        q->PlaceGuitare();
        if (q->AAction(CodeAction::PorterSurEpaules) && q->indexPorte > 0 &&
            p.construit[static_cast<std::size_t>(q->indexPorte)]) {
            q->PorteSurEpaules(p.P(q->indexPorte));
            p.P(q->indexPorte).PlaceGuitare();
        }
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// 1. The terrain and its room; 7. the guitar, the start state, the tables

int FabriqueTerrain(iEngine* scene, int indexTerrain,
                    const std::shared_ptr<iPlayFieldTerrainAction>& terrain,
                    const StructureAction& structure) {
    if (!terrain) {
        return 0;
    }
    iPlayFieldTerrainAction& t = *terrain;
    if (scene) {
        t.AddToEngine(*scene);
    }
    t.SetVirtualSize(1280, 768, true);
    t.CouleurFondAuHasard();
    t.largeur = t.Width();
    t.hauteur = t.Height();
    t.MeublesAuHasard();
    DisposeBarre(indexTerrain, terrain);

    t.persos.resize(4);
    for (auto& q : t.persos) {
        if (!q) {
            q = std::make_shared<Pantin>();
        }
    }
    Plateau p{t, structure};
    p.w = t.largeur;
    p.h = t.hauteur;
    SolLibre(t.sousLesBoutons, t.largeur, t.hauteur, t.solGauche, t.solDroite);
    Places(p);

    const StructureAction& s = structure;
    using namespace CodeAction;
    const Accessoires a = AccessoiresDuSujet(s);
    if (s.Action == u"i_dormir" || s.VerbeComplement1 == u"i_dormir") {
        p.P(0).dort = true;
    }
    p.Construit(0, s.GroupeNominal1, s.Action, s.VerbeComplement1, a, 0.0f);
    p.P(0).xArrivee = p.x[0];
    CodesDuSujet(p);
    if (Perso(s.GroupeNominal2)) {
        DeuxiemePerso(p);
    }
    CibleEnMouvement(p);
    const Pantin& sujet = p.P(0);
    if (Perso(s.ObjetComplement1)) {
        PersoComplement(p, p.indexOC1, s.ObjetComplement1, p.x[2],
                        sujet.AAction(RegarderPersonne) ? RegarderPersonne : Aucune,
                        sujet.AAction(PorterSurEpaules) && p.lien != Lien::Portage, sujet.sens,
                        s.VerbeComplement1 == u"p_poursuivre");
    }
    if (Perso(s.ObjetComplement2)) {
        const Pantin& voisin = p.P(1);
        PersoComplement(p, p.indexOC2, s.ObjetComplement2, p.x[3], voisin.action1,
                        voisin.action1 == PorterSurEpaules, voisin.sens,
                        s.VerbeComplement2 == u"p_poursuivre");
    }

    if (t.avecGuitare) {
        t.sonGuitare = platform::LoadSound(u"guitare1.wav");
    }
    // Every limb hangs on its torso (a carried one on its carrier), so that nothing is drawn
    // or read from a part not yet placed; the torso stands where the puppet starts, its walk's
    // start or its place, rather than where it was built: what it carries along (a guitar) is
    // drawn there from the first frame.
    for (int i = 0; i < 4; ++i) {
        Pantin& q = p.P(i);
        if (p.construit[static_cast<std::size_t>(i)] && !q.porte) {
            q.buste->x = Marche(q) ? q.xDepart : q.xArrivee;
            q.PlaceMembres();
            q.PlaceGuitare();
        }
    }
    for (int i = 0; i < 4; ++i) {
        Pantin& q = p.P(i);
        if (p.construit[static_cast<std::size_t>(i)] && q.AAction(PorterSurEpaules) &&
            q.indexPorte > 0 && p.construit[static_cast<std::size_t>(q.indexPorte)]) {
            q.PorteSurEpaules(p.P(q.indexPorte));
            p.P(q.indexPorte).PlaceGuitare();
        }
    }
    SolEnVue(p);
    for (int i = 0; i < 4; ++i) {
        if (p.construit[static_cast<std::size_t>(i)]) {
            Pantin& q = p.P(i);
            q.sensTete = q.sens;
            q.MemoriseEtatDepart();
        }
    }
    // A table that stands where a puppet stands goes to that puppet's left. Each puppet counts
    // where it will stand, its rest place (the subject was built before it had one; travellers
    // leave the room), and a carried one goes with its carrier.
    for (int i = 0; i < 4; ++i) {
        Pantin& q = p.P(i);
        if (!p.construit[static_cast<std::size_t>(i)] || !q.objetPose || !q.table ||
            !q.objetSurTable) {
            continue;
        }
        for (int j = 0; j < 4; ++j) {
            const Pantin& autre = p.P(j);
            if (!p.construit[static_cast<std::size_t>(j)] || !autre.buste || autre.porte) {
                continue;
            }
            const float bx = autre.xArrivee;
            const float b = autre.buste->largeur;
            Accessoire& objet = *q.objetSurTable;
            if (objet.x > bx - b && bx + b > objet.x) {
                q.table->x = bx - b * 0.5f - objet.largeur - 80;
                objet.x = q.table->x + q.table->largeur * 0.5f - 20;
            }
        }
        // The table stays on the floor in sight, its object with it.
        if (t.solGauche > 0 || t.solDroite < p.w) {
            const float x = std::clamp(q.table->x, t.solGauche,
                                       std::max(t.solGauche, t.solDroite - q.table->largeur));
            q.objetSurTable->x += x - q.table->x;
            q.table->x = x;
        }
    }
    t.meublesAPlacer = true;
    return 0;
}

iEngine* PuppetStagingHost::SceneDesTerrains() { return dynamic_cast<iEngine*>(this); }
