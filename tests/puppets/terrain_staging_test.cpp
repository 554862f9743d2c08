// Sentences drawn under random options, dressed and staged on a terrain as the game does: every
// person and animal of the sentence is on the terrain, standing or travelling as its verb says,
// with the action codes of its verbs; every staged terrain plays to its end in a bounded number
// of frames without a NaN, and a replay draws it again. Also the control bar by game mode.
#include <algorithm>
#include <cmath>
#include <map>
#include <random>

#include "action_scenes.h"
#include "framework/engine.h"
#include "gui/button_variants.h"
#include "puppets/animal.h"
#include "sentence/generation.h"
#include "sentence/realisation.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"
#include "random_options.h"
#include "silhouettes.h"

namespace {

// The game scene as far as the staging sees it.
class SceneDeJeu : public iEngine, public PuppetStagingHost {};

// The code the rows of the staging give a verb done to `objet`.
int Code(const String& verbe, const String& objet) {
    // clang-format off
    static const std::map<String, int> codes = {
        {u"i_marcher", 1}, {u"i_lever les bras", 2}, {u"odm_soulever", 3}, {u"i_courir", 4},
        {u"p_poursuivre", 5}, {u"p_lancer sur", 6}, {u"i_lever un bras", 7}, {u"oum_lancer", 8},
        {u"a_promener", 9}, {u"p_portersurepaules", 12}, {u"i_jouer de la musique", 13},
        {u"i_pedaler", 14}, {u"i_cuisiner", 15}, {u"p_lancer a", 16}};
    // clang-format on
    if (verbe == u"po_regarder") {
        return platform::StartsWith(objet, u"perso") ? 10 : 11;
    }
    return codes.contains(verbe) ? codes.at(verbe) : 0;
}

class Staging : public ActionTest, public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        ActionTest::SetUp();
        InitVocabulary();
        SilenceSentenceDebug();
    }
    void TearDown() override {
        SetSentenceDebugSink(nullptr);
        InitVocabulary();
        ActionTest::TearDown();
    }

    // A terrain of new puppets, and the game's staging of a sentence on it.
    static std::shared_ptr<iPlayFieldTerrainAction> TerrainNeuf() {
        auto t = std::make_shared<iPlayFieldTerrainAction>();
        t->New();
        for (auto& p : t->persos) {
            p = std::make_shared<Pantin>();
        }
        return t;
    }
    static void Met(const std::shared_ptr<iPlayFieldTerrainAction>& t, StructureAction s) {
        HabilleLesPersos(t->persos, &s);
        FabriqueTerrain(nullptr, 0, t, s);
    }

    // One frame drawn; false when a point of it is not a number.
    bool Image(iPlayFieldTerrainAction& t, std::vector<std::size_t>& empreintes) {
        Avance(t);
        graphics.BeginFrame(1280, 768);
        t.OnRender();
        empreintes.push_back(Empreinte(graphics.commands));
        return std::ranges::all_of(graphics.commands, [](const platform::DrawCommand& c) {
            return std::ranges::all_of(c.points, [](float v) { return std::isfinite(v); });
        });
    }

    std::shared_ptr<SceneDeJeu> scene = std::make_shared<SceneDeJeu>();
};

// A structure of actions under random check boxes and option levels; false when none came.
bool TireStructure(std::mt19937& alea, StructureAction& s) {
    InitVocabulary();
    TireCasesEtNiveaux(alea);
    platform::SetSeed(static_cast<std::int64_t>(alea()));
    return GenereStructureAction(s, false, true);
}

std::string Trace(int k, const StructureAction& s) {
    return "structure " + std::to_string(k) + ": " +
           platform::ToUtf8(PhraseDeStructure(false, s, false));
}

} // namespace

TEST_P(Staging, EveryPersonOnTheTerrainWithItsActionsPlayedToTheEndAndReplayed) {
    using namespace CodeAction;
    std::mt19937 alea(static_cast<std::uint32_t>(20261207 + GetParam()));
    int jouees = 0;
    for (int k = 0; k < 250; ++k) {
        StructureAction s;
        if (!TireStructure(alea, s)) {
            continue;
        }
        const auto t = Stage(s, scene.get());
        const std::string trace =
            "structure " + std::to_string(k) + ": " +
            platform::ToUtf8(
                platform::Join({s.GroupeNominal1, s.Action, s.VerbeComplement1, s.ObjetComplement1,
                                s.GroupeNominal2, s.VerbeComplement2, s.ObjetComplement2},
                               u","));
        ASSERT_EQ(t->dernierPerso, s.NombrePersos - 1) << trace;
        EXPECT_TRUE(t->enPause && scene->playfields.Count() > 0);
        // Exactly the persons of the sentence are built, with the codes of their verbs.
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(t->persos[static_cast<std::size_t>(i)]->buste != nullptr,
                      i <= t->dernierPerso)
                << trace << " puppet " << i;
        }
        const Pantin& p0 = *t->persos[0];
        EXPECT_EQ(p0.action1, Code(s.Action, s.GroupeNominal2)) << trace;
        if (s.VerbeComplement1 != s.Action) {
            EXPECT_EQ(p0.action2, Code(s.VerbeComplement1, s.ObjetComplement1)) << trace;
        }
        EXPECT_EQ(p0.dort, s.Action == u"i_dormir" || s.VerbeComplement1 == u"i_dormir");
        if (platform::StartsWith(s.GroupeNominal2, u"perso")) {
            const Pantin& p1 = *t->persos[1];
            const bool tenu = s.VerbeComplement2 == u"ouodm_tenir";
            EXPECT_EQ(p1.action1, tenu ? 0 : Code(s.VerbeComplement2, s.ObjetComplement2)) << trace;
            EXPECT_EQ(p1.dort, s.VerbeComplement2 == u"i_dormir");
        }
        // Walked and watched animals are there.
        const auto animal = [&](const String& verbe) {
            return (s.Action == verbe && platform::StartsWith(s.GroupeNominal2, u"animal")) ||
                   (s.VerbeComplement1 == verbe &&
                    platform::StartsWith(s.ObjetComplement1, u"animal"));
        };
        EXPECT_EQ(p0.animal1 != nullptr, animal(u"a_promener")) << trace;
        EXPECT_EQ(p0.animal2 != nullptr, animal(u"po_regarder")) << trace;
        bool musique = false;
        bool monocycle = false;
        for (int i = 0; i <= t->dernierPerso; ++i) {
            const Pantin& p = *t->persos[static_cast<std::size_t>(i)];
            musique |= p.AAction(JouerMusique);
            monocycle |= p.AAction(Pedaler);
            if (p.AAction(PorterSurEpaules)) {
                // The carried one faces its carrier's way, unless it turns to look at someone.
                const Pantin& porte = *t->persos[static_cast<std::size_t>(p.indexPorte)];
                EXPECT_TRUE(porte.porte) << trace;
                EXPECT_TRUE(porte.sens == p.sens || porte.AAction(RegarderPersonne)) << trace;
            }
            if (p.AAction(LancerSur) || p.AAction(LancerA)) {
                ASSERT_GT(p.indexCible, 0) << trace;
                ASSERT_LE(p.indexCible, t->dernierPerso) << trace;
                EXPECT_TRUE(i > 0 ||
                            t->persos[static_cast<std::size_t>(p.indexCible)]->lancerSurPersonne);
            }
            // Standing places are on the terrain; travellers leave it on the right.
            if (!p.porte && p.xArrivee != 1280 + 250) {
                EXPECT_TRUE(p.xArrivee > 0 && p.xArrivee < 1280) << trace << " puppet " << i;
            }
        }
        EXPECT_EQ(t->avecGuitare, musique) << trace;
        EXPECT_EQ(t->sonGuitare != nullptr, musique) << trace;
        if (k % 5 != 0) {
            continue;
        }

        // Played to the end, then replayed from the same seed: the same frames.
        ++jouees;
        t->enPause = true;
        const std::uint32_t graine = platform::GetSeed();
        std::vector<std::size_t> images;
        while (images.size() < 3000 && !t->animationFinie) {
            ASSERT_TRUE(Image(*t, images)) << trace << " frame " << images.size();
            if (images.size() == 1) {
                // Who does not travel (nor ride on a traveller) stands in the room.
                for (int i = 0; i <= t->dernierPerso; ++i) {
                    const Pantin& p = *t->persos[static_cast<std::size_t>(i)];
                    if (!p.AAction(Marcher) && !p.AAction(Courir) && !p.AAction(Promener) &&
                        !p.AAction(Pedaler) && !p.AAction(Poursuivre) && !p.poursuivi && !p.porte) {
                        EXPECT_TRUE(p.buste->x >= 0 && p.buste->x <= 1280) << trace << " " << i;
                    }
                }
            }
        }
        ASSERT_TRUE(t->animationFinie) << trace << " never finished";
        // The unicycle's wobble is drawn anew every frame, and a replay skips the draws of the
        // first run (chase faces, the place of a lifted object): it is compared without it.
        if (monocycle) {
            continue;
        }
        for (int i = 0; i <= t->dernierPerso; ++i) {
            t->persos[static_cast<std::size_t>(i)]->RestaureEtatDepart();
        }
        platform::SetSeed(graine);
        std::vector<std::size_t> rejouees;
        while (rejouees.size() < images.size()) {
            Image(*t, rejouees);
        }
        EXPECT_EQ(rejouees, images) << trace;
    }
    EXPECT_GE(jouees, 25);
}

INSTANTIATE_TEST_SUITE_P(Graines, Staging, ::testing::Range(0, 8));

// The short bar (pause, play, rewind, photo) on the terrains of a board that do not carry the
// full one; the full bar by game mode; each button joins its terrain once, at the top.
TEST_F(Staging, ControlBarsByGameMode) {
    StructureAction s;
    s.GroupeNominal1 = u"perso_dame_f";
    s.NombrePersos = 1;
    const float w = 1280;
    for (int mode = 0; mode <= 3; ++mode) {
        for (int animations = 0; animations <= 3; ++animations) {
            for (int index = 0; index <= animations; ++index) {
                SCOPED_TRACE("mode " + std::to_string(mode) + ", terrain " + std::to_string(index) +
                             " of " + std::to_string(animations + 1));
                modedejeu = mode;
                nombredanimations = animations;
                auto t = std::make_shared<iPlayFieldTerrainAction>();
                t->New();
                std::shared_ptr<iGuiButton2>* boutons[] = {
                    &t->bouton,        &t->boutonAvance,  &t->boutonRecule, &t->boutonPause,
                    &t->boutonLecture, &t->boutonClip,    &t->boutonCache,  &t->boutonSansImage,
                    &t->boutonPhoto,   &t->boutonRecharge};
                for (auto* b : boutons) {
                    *b = std::make_shared<iGuiButton2>();
                }
                scene->FabriqueTerrain(index, t, s);
                const int i0 = animations == 1 ? 1 : 2;
                const float g = mode == 3 ? 64 : 250;
                const bool m3 = mode == 3;
                // x of each button in the order above; -1 not on the terrain, -2 on it but
                // given no place (the forward, export and no-picture buttons in mode 3).
                std::vector<float> x = {w - 64,
                                        m3 ? -2 : w - 126,
                                        w - 240 - g,
                                        w - 126 - g,
                                        w - 178 - g,
                                        m3 ? -2 : w - 190,
                                        m3 ? w - 128 : w - 254,
                                        m3 ? -2 : w - 318,
                                        m3          ? w - 414
                                        : mode == 0 ? w - 236
                                                    : w - 548,
                                        m3 ? w - 359 : -1};
                if (index != i0 && mode == 0) {
                    x = {-1, -1, w - 178, w - 64, w - 126, -1, -1, -1, w - 236, -1};
                } else if (index != i0 && mode != 1 && mode != 2) {
                    x[1] = x[5] = x[7] = -1;
                }
                const auto& page = *t->guiPages[0];
                for (std::size_t b = 0; b < std::size(boutons); ++b) {
                    const iGuiButton2& bouton = **boutons[b];
                    int fois = 0;
                    for (int k = 0; k < page.Count(); ++k) {
                        fois += page.Get(k).get() == &bouton;
                    }
                    EXPECT_EQ(fois, x[b] == -1 ? 0 : 1) << "button " << b;
                    if (x[b] >= 0) {
                        EXPECT_EQ(std::vector<float>({bouton.X(), bouton.y, bouton.baseX}),
                                  std::vector<float>({x[b], 10, x[b]}))
                            << "button " << b;
                        EXPECT_GT(bouton.baseWidth, 0);
                    }
                }
            }
        }
    }
}

namespace {

// A structure of one or two persons: subject, main verb, its object, the object's own verb.
StructureAction Phrase(const char16_t* gn1, const char16_t* action, const char16_t* gn2 = u"",
                       const char16_t* vc2 = u"") {
    StructureAction s;
    s.GroupeNominal1 = gn1;
    s.Action = action;
    s.GroupeNominal2 = gn2;
    s.VerbeComplement2 = vc2;
    s.NombrePersos = 1 + platform::StartsWith(s.GroupeNominal2, u"perso");
    return s;
}

} // namespace

// The game keeps a terrain's puppets from one board to the next and clears them in between: a
// puppet that slept, was thrown at or raised its arms in one sentence starts the next one as a
// new puppet would.
TEST_F(Staging, APuppetReusedForTheNextSentenceStartsAfresh) {
    using namespace CodeAction;
    const StructureAction avant[] = {
        Phrase(u"perso_dame_f", u"p_lancer sur", u"perso_monsieur_m", u"i_dormir"),
        Phrase(u"perso_dame_f", u"i_lever les bras"),
    };
    for (const StructureAction& premiere : avant) {
        auto t = TerrainNeuf();
        const auto stage = [&t](const StructureAction& s) { Met(t, s); };
        StructureAction s = premiere;
        s.ObjetDonneLance1 = u"unemain_balle_f";
        stage(s);
        for (int n = 0; n < 600; ++n) {
            Avance(*t);
        }
        for (const auto& p : t->persos) {
            p->Reinitialise();
        }
        // The subject walks across the room now: awake, no target, and its walk not over.
        stage(Phrase(u"perso_monsieur_m", u"i_marcher"));
        for (int i = 0; i < 2; ++i) {
            const Pantin& p = *t->persos[static_cast<std::size_t>(i)];
            EXPECT_FALSE(p.dort) << i;
            EXPECT_FALSE(p.lancerSurPersonne) << i;
            EXPECT_FALSE(p.brasLeves) << i;
        }
        EXPECT_FALSE(Avance(*t));
    }
}

// An object on a table is never hidden behind a puppet that stands still in the room: the table
// goes aside from every standing puppet where that puppet will stand, not where it was built.
TEST_F(Staging, AnObjectOnATableStaysClearOfWhoStandsInTheRoom) {
    using namespace CodeAction;
    std::mt19937 alea(20261208);
    int tables = 0;
    for (int k = 0; k < 600; ++k) {
        // The subject looks at an apple on its table, playing music, cooking or neither; every
        // other time it looks at a lady who looks at a cake on hers.
        StructureAction s =
            Phrase(u"perso_monsieur_m", u"po_regarder", u"unemain_pomme_f|par_terre");
        s.VerbeComplement1 = k % 3 == 0   ? u"i_jouer de la musique"
                             : k % 3 == 1 ? u""
                                          : u"i_cuisiner";
        if (k % 2 == 1) {
            s = Phrase(u"perso_monsieur_m", u"po_regarder", u"perso_dame_f", u"po_regarder");
            s.ObjetComplement2 = u"deuxmains_gateau_m|par_terre";
            s.VerbeComplement1 = u"po_regarder";
            s.ObjetComplement1 = u"unemain_pomme_f|par_terre";
        }
        platform::SetSeed(static_cast<std::int64_t>(alea()));
        const auto t = Stage(s);
        for (int n = 0; n < 3; ++n) {
            Avance(*t);
        }
        for (int i = 0; i <= t->dernierPerso; ++i) {
            const Pantin& q = *t->persos[static_cast<std::size_t>(i)];
            if (!q.objetPose) {
                continue;
            }
            ++tables;
            for (int j = 0; j <= t->dernierPerso; ++j) {
                const Pantin& autre = *t->persos[static_cast<std::size_t>(j)];
                // The middle of the object is out of the torso's width.
                EXPECT_GT(std::fabs(q.objetSurTable->x - autre.buste->x), autre.buste->largeur / 2)
                    << "draw " << k << ": the object of " << i << " behind " << j;
            }
            EXPECT_GT(q.objetSurTable->x, 0) << "draw " << k;
        }
    }
    EXPECT_GT(tables, 600);
}

// A second noun group that throws at a third person stands at its own place in the room, clear
// of the subject, even on puppets that walked out of the room in the sentence before.
TEST_F(Staging, AThrowerOfTheSecondNounGroupStandsInTheRoomApartFromTheOthers) {
    auto t = TerrainNeuf();
    const auto stage = [&t](const StructureAction& s) { Met(t, s); };
    std::mt19937 alea(20261209);
    for (int k = 0; k < 40; ++k) {
        platform::SetSeed(static_cast<std::int64_t>(alea()));
        stage(Phrase(u"perso_dame_f", u"i_marcher"));
        for (int n = 0; n < 800 && !Avance(*t); ++n) {
        }
        for (const auto& p : t->persos) {
            p->Reinitialise();
        }
        StructureAction s = Phrase(u"perso_dame_f", u"po_regarder", u"perso_monsieur_m",
                                   k % 2 ? u"p_lancer sur" : u"p_lancer a");
        s.ObjetComplement2 = u"perso_petit garcon_m";
        s.ObjetDonneLance2 = u"unemain_balle_f";
        s.NombrePersos = 3;
        stage(s);
        const Pantin& sujet = *t->persos[0];
        const Pantin& lanceur = *t->persos[1];
        const Pantin& cible = *t->persos[2];
        ASSERT_EQ(lanceur.indexCible, 2);
        EXPECT_GT(lanceur.xArrivee, 0);
        EXPECT_LT(lanceur.xArrivee, 1280);
        for (const Pantin* autre : {&sujet, &cible}) {
            EXPECT_GT(std::fabs(lanceur.xArrivee - autre->xArrivee),
                      (lanceur.buste->largeur + autre->buste->largeur) / 2)
                << "draw " << k;
        }
    }
}

// A throw at a target said to walk when no puppet walks after all (no second person, so no
// speed to lead it by): the thrower starts where the target would, not at a place that is not
// a number.
TEST_F(Staging, AThrowAtAWalkerWithoutSpeedTakesNoLead) {
    StructureAction s =
        Phrase(u"perso_monsieur_m", u"oum_lancer", u"unemain_balle_f", u"i_marcher");
    const auto t = Stage(s);
    const Pantin& p = *t->persos[0];
    EXPECT_TRUE(p.cibleEnMouvement);
    EXPECT_EQ(p.xDepart, t->persos[1]->xDepart);
    std::vector<std::size_t> images;
    for (int n = 0; n < 600 && !t->animationFinie; ++n) {
        ASSERT_TRUE(Image(*t, images)) << n;
    }
    EXPECT_TRUE(t->animationFinie);
}

namespace {

// The puppets standing in the room, with whoever carries each (or none).
std::vector<std::pair<const Pantin*, const Pantin*>> DansLaPiece(const iPlayFieldTerrainAction& t) {
    std::vector<std::pair<const Pantin*, const Pantin*>> dedans;
    for (int i = 0; i <= t.dernierPerso; ++i) {
        const Pantin& p = *t.persos[static_cast<std::size_t>(i)];
        const Pantin* porteur = nullptr;
        for (int j = 0; j <= t.dernierPerso && p.porte; ++j) {
            const Pantin& q = *t.persos[static_cast<std::size_t>(j)];
            porteur = q.indexPorte == i && j != i ? &q : porteur;
        }
        const Pantin& pieds = porteur ? *porteur : p;
        if (p.buste && pieds.buste->x > 0 && pieds.buste->x < 1280) {
            dedans.push_back({&p, porteur});
        }
    }
    return dedans;
}

} // namespace

// No piece of furniture stands behind or over the head (hair and hat too) or a raised hand of a
// puppet in the room, nor a round table behind its body: not when the board shows up, nor once
// every puppet has done what its sentence says. The pieces stay whole in the room.
TEST_F(Staging, FurnitureKeepsClearOfHeadsRaisedHandsAndBodies) {
    Silhouettes silhouettes(graphics);
    std::mt19937 alea(20261211);
    int vus = 0;
    for (int k = 0; k < 250; ++k) {
        StructureAction s;
        if (!TireStructure(alea, s)) {
            continue;
        }
        const auto t = Stage(s);
        const std::string trace = Trace(k, s);
        // The first frame, and a while after the end (a raise counts as done once begun).
        int fin = -1;
        for (int n = 0; n < 3000; ++n) {
            const bool fini = Avance(*t) && (fin < 0 ? (fin = n, false) : n >= fin + 120);
            if (n > 0 && !fini) {
                continue;
            }
            for (const auto& m : {t->meuble1, t->meuble2}) {
                if (!m) {
                    continue;
                }
                const Boite meuble = silhouettes.BoiteDe(*m);
                EXPECT_GE(meuble.gauche, 0) << trace;
                EXPECT_LE(meuble.droite, 1280) << trace;
                for (const auto& [p, porteur] : DansLaPiece(*t)) {
                    // Who walks across passes in front of everything.
                    if (n > 0 && Voyage(porteur ? *porteur : *p)) {
                        continue;
                    }
                    Boite tete = silhouettes.BoiteDe(*p->tete);
                    tete.Ajoute(silhouettes.BoiteDe(*p->cheveux));
                    if (p->avecChapeau) {
                        tete.Ajoute(silhouettes.BoiteDe(*p->chapeau));
                    }
                    // Over the head: all the way up the wall.
                    tete.haut = 0;
                    EXPECT_FALSE(meuble.Croise(tete, 1)) << trace << " frame " << n;
                    for (const iSprite* main : {p->mainDroite.get(), p->mainGauche.get()}) {
                        // Raised: the whole hand above the chin.
                        Boite b = silhouettes.BoiteDe(*main);
                        if (b.bas < silhouettes.BoiteDe(*p->tete).bas) {
                            b.haut = 0;
                            EXPECT_FALSE(meuble.Croise(b, 1)) << trace << " frame " << n;
                        }
                    }
                    if (m->piece == 4) {
                        Boite corps = tete;
                        corps.Ajoute(silhouettes.BoiteDe(*p->buste));
                        corps.Ajoute(silhouettes.BoiteDe(*p->jambe1));
                        EXPECT_FALSE(meuble.Croise(corps, 1)) << trace << " frame " << n;
                    }
                    ++vus;
                }
            }
            if (fini) {
                break;
            }
        }
        if (HasFailure()) {
            return;
        }
    }
    EXPECT_GT(vus, 600);
}

// Where the game scene's buttons cover a corner of the floor (the matching game's OK and undo
// buttons over the inner corners of its lower terrains), nothing the sentence names stands
// under them: when the board shows up, every puppet, prop, table and animal; and then, while
// they act, the puppets that stay in the room.
TEST_F(Staging, WhatTheSentenceNamesStaysClearOfTheScenesButtons) {
    Silhouettes silhouettes(graphics);
    const Boite coins[] = {
        {0, 570, 244, 746}, {1036, 570, 1280, 746}, {0, 570, 108, 746}, {1172, 570, 1280, 746}};
    std::mt19937 alea(20261212);
    int vus = 0;
    for (int k = 0; k < 200; ++k) {
        StructureAction s;
        if (!TireStructure(alea, s)) {
            continue;
        }
        const Boite& coin = coins[k % 4];
        auto t = TerrainNeuf();
        t->sousLesBoutons = {{coin.gauche, coin.haut, coin.droite, coin.bas}};
        Met(t, s);
        const std::string trace = Trace(k, s);
        for (int n = 0; n < 3000 && !Avance(*t); n += 1) {
            for (int i = 0; i <= t->dernierPerso; ++i) {
                const Pantin& p = *t->persos[static_cast<std::size_t>(i)];
                if (n > 0 && (Voyage(p) || p.porte)) {
                    continue;
                }
                // An object thrown away flies out of the room, as a walker leaves it; one
                // thrown at a walker follows it out.
                const bool jete = p.actionsDepart[0] == CodeAction::LancerObjet ||
                                  p.actionsDepart[1] == CodeAction::LancerObjet ||
                                  p.cibleEnMouvement;
                for (const iSprite* sprite : Montre(p, n == 0)) {
                    if (n > 0 && jete && sprite == p.objetUneMain.get()) {
                        continue;
                    }
                    ASSERT_FALSE(coin.Croise(silhouettes.BoiteDe(*sprite), 1))
                        << trace << " frame " << n << ", puppet " << i;
                    ++vus;
                }
            }
            // The first frame, then one in five.
            n += n > 0 ? 4 : 0;
            for (int saut = 0; saut < 4 && n > 0; ++saut) {
                Avance(*t);
            }
        }
    }
    EXPECT_GT(vus, 5000);
}

// Two animals on one terrain, one walked on a lead and one watched, that cross the room at once:
// the big one is drawn behind the small one, whichever puppet has which, so that a walked
// elephant never hides the crocodile someone watches, nor a watched elephant a walked dog.
TEST_F(Staging, TheBigAnimalWalksBehindTheSmallOne) {
    const auto fichier = [](const platform::DrawCommand& d) { return platform::ToUtf8(d.image); };
    for (bool elephantPromene : {true, false}) {
        StructureAction s = Phrase(u"perso_dame_f", u"po_regarder", u"perso_monsieur_m",
                                   elephantPromene ? u"a_promener" : u"po_regarder");
        s.VerbeComplement1 = elephantPromene ? u"po_regarder" : u"a_promener";
        s.ObjetComplement1 = elephantPromene ? u"animal_crocodile_m" : u"animal_chien_m";
        s.ObjetComplement2 = u"animal_elephant_m";
        const auto t = Stage(s);
        for (int n = 0; n < 120; ++n) {
            Avance(*t);
        }
        graphics.BeginFrame(1280, 768);
        t->OnRender();
        std::size_t dernierElephant = 0;
        std::size_t premierPetit = graphics.commands.size();
        for (std::size_t i = 0; i < graphics.commands.size(); ++i) {
            const std::string f = fichier(graphics.commands[i]);
            if (f.find("elephant") != std::string::npos) {
                dernierElephant = i;
            } else if (f.find("croco") != std::string::npos ||
                       f.find("chien") != std::string::npos) {
                premierPetit = std::min(premierPetit, i);
            }
        }
        ASSERT_LT(premierPetit, graphics.commands.size()) << elephantPromene;
        EXPECT_LT(dernierElephant, premierPetit) << elephantPromene;
    }
}

// Two watched animals cross the room one after the other, never one over the other.
TEST_F(Staging, TwoWatchedAnimalsCrossOneAfterTheOther) {
    Silhouettes silhouettes(graphics);
    StructureAction s =
        Phrase(u"perso_dame_f", u"po_regarder", u"perso_monsieur_m", u"po_regarder");
    s.VerbeComplement1 = u"po_regarder";
    s.ObjetComplement1 = u"animal_chien_m";
    s.ObjetComplement2 = u"animal_crocodile_m";
    const auto t = Stage(s);
    const Animal& chien = *t->persos[0]->animal2;
    const Animal& croco = *t->persos[1]->animal2;
    int ensemble = 0;
    for (int n = 0; n < 1200 && !Avance(*t); ++n) {
        const Boite a = silhouettes.BoiteDe(*chien.ventre);
        const Boite b = silhouettes.BoiteDe(*croco.ventre);
        if (a.droite > 0 && a.gauche < 1280 && b.droite > 0 && b.gauche < 1280) {
            ++ensemble;
            EXPECT_FALSE(a.Croise(b)) << n;
        }
    }
    EXPECT_TRUE(t->animationFinie);
    EXPECT_GT(ensemble, 50);
}
