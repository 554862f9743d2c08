// Every action, alone and with its partner, run frame by frame until the animation has finished
// (and a while after): nothing becomes NaN, limbs stay on their puppet, the torso only jumps
// where the step puts it, each action ends where it should with its sounds on their channels,
// the carried puppet, gazes and stars are drawn in their place in the order, and a replay from
// the saved start draws the very same frames.
#include <cmath>
#include <map>
#include <set>

#include "action_scenes.h"
#include "catalogue.h"
#include "puppets/animal.h"
#include "silhouettes.h"

namespace {

// Every sprite of a puppet and of its animals; the first nine hang on the torso.
std::vector<const iSprite*> Sprites(const Pantin& p) {
    std::vector<const iSprite*> s = {
        p.tete.get(),       p.cheveux.get(),      p.visage.get(),         p.brasDroit.get(),
        p.brasGauche.get(), p.mainDroite.get(),   p.mainGauche.get(),     p.jambe1.get(),
        p.jambe2.get(),     p.objetUneMain.get(), p.objetDeuxMains.get(), p.chapeau.get(),
        p.guitare.get(),    p.regard.get(),       p.nourriture.get(),     p.fumee.get(),
        p.zzz.get(),        p.monocycle.get(),    p.pedale1.get(),        p.pedale2.get()};
    for (const auto& e : p.etoiles) {
        s.push_back(e.get());
    }
    for (const Animal* a : {p.animal1.get(), p.animal2.get()}) {
        if (a) {
            s.insert(s.end(), {a->ventre.get(), a->visage.get(), a->tete.get(), a->queue.get(),
                               a->patte1.get(), a->patte4.get()});
        }
    }
    return s;
}

// Position of the first command drawing a picture whose name contains `nom`, from `depuis`.
std::size_t Ordre(const std::vector<platform::DrawCommand>& c, const String& nom,
                  std::size_t depuis = 0) {
    while (depuis < c.size() && !platform::Contains(c[depuis].image, nom)) {
        ++depuis;
    }
    return depuis;
}

// What one run of a scene showed.
struct Journal {
    int finie = -1;
    std::vector<std::size_t> empreintes;
    // The sounds played, channel by channel.
    std::map<int, std::string> sons;
    bool etoiles = false;
    bool nourritureVue = false;
    float monteeMax = 0;
    float xVolMax = -1e9f;
    // Where a thrown object landed: its distance from the target's crown, and how far in front
    // of the target's neck, toward its face.
    float ecartAtterrissage = 1e9f;
    float versLeVisage = 0;
    // How far a pedal strayed from its circle round the unicycle's crank.
    float ecartManivelle = 0;
    std::set<int> imagesZzz;
    float yMax = -1e9f;
    std::vector<platform::DrawCommand> derniere;
    std::vector<platform::DrawCommand> avecEtoiles;

    bool Entendu(int canal, const std::string& nom) const {
        return sons.contains(canal) && sons.at(canal).find(nom) != std::string::npos;
    }
};

class Actions : public ActionTest, public ::testing::WithParamInterface<Scene> {
  protected:
    // Runs until the animation has finished and `apres` frames more, drawing every frame.
    Journal Joue(iPlayFieldTerrainAction& t, const Scene& scene, int apres, bool verifie) {
        Journal j;
        audio.events.clear();
        std::map<int, std::vector<float>> avant;
        std::map<int, int> sauts;
        const float y0 = t.y;
        for (int n = 0; n < scene.limite + apres + scene.duree; ++n) {
            const bool finie = Avance(t);
            // Once finished, it stays finished.
            EXPECT_TRUE(finie || j.finie < 0) << scene.nom << ", image " << n;
            j.finie = j.finie < 0 && finie ? n : j.finie;
            if (j.finie >= 0 && n >= std::max(j.finie + apres, scene.duree)) {
                break;
            }
            graphics.BeginFrame(1280, 768);
            t.OnRender();
            j.empreintes.push_back(Empreinte(graphics.commands));
            j.yMax = std::max(j.yMax, t.y - y0);
            for (int i = 0; verifie && i <= t.dernierPerso; ++i) {
                const Pantin& p = *t.persos[static_cast<std::size_t>(i)];
                const std::string ici =
                    scene.nom + ", image " + std::to_string(n) + ", puppet " + std::to_string(i);
                // Limbs keep to their torso (in the unmirrored body: turning round mirrors
                // them all at once): at most 40 pixels of change a frame.
                std::vector<float> rel = {p.buste->x, p.buste->y};
                const auto sprites = Sprites(p);
                for (std::size_t k = 0; k < sprites.size(); ++k) {
                    const iSprite* s = sprites[k];
                    if (!s) {
                        continue;
                    }
                    for (float v : {s->x, s->y, s->rotation, s->scaleX, s->scaleY, s->alpha}) {
                        EXPECT_TRUE(std::isfinite(v)) << ici;
                    }
                    if (k < 9) {
                        rel.push_back((s->x - p.buste->x) * p.sens);
                        rel.push_back(s->y - p.buste->y);
                    }
                }
                if (const auto& a = avant[i]; !a.empty()) {
                    for (std::size_t k = 2; k + 1 < rel.size(); k += 2) {
                        EXPECT_LE(std::hypot(rel[k] - a[k], rel[k + 1] - a[k + 1]), 40) << ici;
                    }
                    sauts[i] += std::hypot(rel[0] - a[0], rel[1] - a[1]) > 12;
                }
                avant[i] = rel;
                if (p.etoilesActives && p.etoiles[0]->visible) {
                    j.etoiles = true;
                    j.avecEtoiles = graphics.commands;
                }
                j.nourritureVue |= p.nourriture && p.nourriture->rotation < -43;
                if (p.zzz) {
                    j.imagesZzz.insert(p.zzz->Frame());
                }
                j.monteeMax = std::max(j.monteeMax, p.monteeEpaules);
                if (p.objetEnVol && p.objetUneMain) {
                    j.xVolMax = std::max(j.xVolMax, p.objetUneMain->x);
                }
                if (p.AAction(CodeAction::Pedaler) && p.marcheCommencee) {
                    for (const iSprite* pedale : {p.pedale1.get(), p.pedale2.get()}) {
                        // The middle of the 40 by 10 pedal, from the drawn crank.
                        const float d = std::hypot(
                            pedale->x + 20 - (p.monocycle->x + float(cat::kUnicycleCrank.x)),
                            pedale->y + 5 - (p.monocycle->y + float(cat::kUnicycleCrank.y)));
                        j.ecartManivelle = std::max(j.ecartManivelle, std::fabs(d - 15));
                    }
                }
                if (p.objetArrive && p.indexCible > 0 && j.ecartAtterrissage > 1e8f) {
                    const Pantin& cible = *t.persos[static_cast<std::size_t>(p.indexCible)];
                    const Membre& tete = *cible.tete;
                    // The crown, where a hat sits.
                    const DecalageTourne r =
                        TourneDecalage(tete.attacheX, tete.attacheY, tete.rotation, cible.sensTete);
                    j.ecartAtterrissage =
                        std::hypot(p.objetUneMain->x - (tete.x + r.distance * std::sin(r.angle)),
                                   p.objetUneMain->y - (tete.y - r.distance * std::cos(r.angle)));
                    j.versLeVisage = (p.objetUneMain->x - tete.x) * cible.sensTete;
                }
            }
        }
        // The torso jumps only where a step sets it: the start of a walk, a chase's runs, the
        // lift's approach.
        for (const auto& [i, nombre] : sauts) {
            EXPECT_LE(nombre, 3) << scene.nom << " puppet " << i;
        }
        for (const auto& e : audio.events) {
            j.sons[e.channel] += platform::ToUtf8(e.sound) + " ";
        }
        j.derniere = graphics.commands;
        return j;
    }
};

} // namespace

TEST_P(Actions, PlaysToItsEndAndReplaysTheSameFrames) {
    using namespace CodeAction;
    const Scene& scene = GetParam();
    const auto t = Monte(scene);
    // The room stands somewhere on the screen; a shake comes back there.
    t->y = 37;
    // No blinking (which follows the clock) while the replay is compared.
    t->enPause = true;
    const std::uint32_t graine = platform::GetSeed();
    const Journal j = Joue(*t, scene, 150, true);
    ASSERT_GE(j.finie, 0) << scene.nom << " never finished";

    Pantin& x = *t->persos[0];
    Pantin* y = t->dernierPerso > 0 ? t->persos[1].get() : nullptr;
    const std::string& nom = scene.nom;
    if (nom == "marche" || nom == "course" || nom == "monocycle" || nom == "laisse") {
        // One pixel short of the goal, within one step.
        const float k = nom == "course" ? 2.2f : nom == "monocycle" ? 1.6f : 1.0f;
        EXPECT_GT(x.buste->x, 1530 - 2) << nom;
        EXPECT_LE(x.buste->x, 1530 - 2 + x.vitesse * k) << nom;
        EXPECT_EQ(x.action1, Aucune);
        EXPECT_TRUE(j.Entendu(0, nom == "monocycle" ? "squeak" : "step")) << nom;
    }
    if (nom == "monocycle") {
        // The child's feet turn the cranks of the drawn unicycle.
        EXPECT_LT(j.ecartManivelle, 1.5f);
    }
    if (nom == "laisse") {
        // The lead is tied at the end of the back arm, held forward at 60 degrees.
        EXPECT_NEAR(x.brasGauche->rotation, -60, 0.01);
        EXPECT_LT(
            std::hypot(x.animal1->laisseX - x.brasGauche->x, x.animal1->laisseY - x.brasGauche->y),
            x.brasGauche->hauteur + 10);
    }
    if (nom == "poursuite") {
        // Both ran out of the room on the left, the chaser put back well out of sight.
        EXPECT_LT(std::max(x.buste->x, y->buste->x), 0);
        EXPECT_FLOAT_EQ(x.xArrivee, 550 - 800 - y->buste->largeur);
        EXPECT_FALSE(x.poursuiteEnCours || y->poursuiteEnCours);
        EXPECT_EQ(x.action1 + y->action1, 0);
    }
    if (nom == "poursuite d'un souleveur" || nom == "soulever") {
        // Held over the head.
        Pantin& s = nom == "soulever" ? x : *y;
        EXPECT_EQ(s.action1, Aucune) << nom;
        EXPECT_TRUE(s.objetDeuxMainsTenu) << nom;
        EXPECT_LT(s.objetDeuxMains->y, s.tete->y) << nom;
        EXPECT_LE(s.brasDroit->rotation * s.sens, -120) << nom;
        EXPECT_TRUE(j.Entendu(0, "plop")) << nom;
    }
    if (nom == "epaules") {
        // Sitting up on the carrier's head, its hips by the crown (where a hat sits), its whole
        // body above, drawn within the carrier's pass.
        const float sommet = x.tete->y + x.tete->attacheY;
        EXPECT_LT(std::fabs(y->jambe1->y - sommet), 20);
        EXPECT_LT(std::fabs(y->jambe1->x - x.tete->x), x.buste->largeur / 2);
        EXPECT_LT(y->tete->y, sommet);
        const auto& c = j.derniere;
        const std::size_t dosPorte = Ordre(c, u"buste_gosse1");
        const std::size_t dosPorteur = Ordre(c, u"buste_m");
        const std::size_t brasPorteur = Ordre(c, u"brasd_m", dosPorteur);
        EXPECT_LT(dosPorte, dosPorteur);
        EXPECT_LT(dosPorteur, brasPorteur);
        EXPECT_LT(Ordre(c, u"brasd_gosse1", brasPorteur), c.size());
    }
    if (nom == "un bras" || nom == "deux bras") {
        // One arm straight up (every body's is checked with the raised hands below), the other
        // down; or both spread, one each side of the vertical.
        const bool deux = nom == "deux bras";
        if (deux) {
            EXPECT_FLOAT_EQ(x.brasDroit->rotation, -205.0f) << nom;
        }
        EXPECT_FLOAT_EQ(x.brasGauche->rotation, deux ? -155.0f : 0.0f) << nom;
    }
    if (nom.starts_with("lancer sur")) {
        // The target shrugs (its own rest pose counts the first frame down at once); the object
        // lands on the top of its head, on the side it faces, whichever way that is, even
        // walking on meanwhile.
        EXPECT_TRUE(j.etoiles) << nom;
        EXPECT_GE(j.monteeMax, 19) << nom;
        EXPECT_LT(j.ecartAtterrissage, 40) << nom;
        EXPECT_GT(j.versLeVisage, 0) << nom;
        EXPECT_TRUE(j.Entendu(1, "pfiou2") && j.Entendu(2, "hit")) << nom;
        EXPECT_EQ(x.action1, Aucune) << nom;
        // The stars come last, over every puppet.
        const auto& c = j.avecEtoiles;
        for (std::size_t i = Ordre(c, u"etoile"); i < c.size(); ++i) {
            EXPECT_TRUE(platform::Contains(c[i].image, u"etoile")) << i;
        }
        EXPECT_LT(Ordre(c, u"etoile"), c.size());
    }
    if (nom == "lancer a") {
        // Caught in the raised hand.
        EXPECT_TRUE(y->objetUneMainTenu);
        EXPECT_NE(y->objetUneMain, x.objetUneMain);
        EXPECT_LE(y->angleBras1, -114);
        EXPECT_FALSE(j.etoiles);
        EXPECT_TRUE(j.Entendu(2, "hit"));
    }
    if (nom == "lancer") {
        EXPECT_GT(j.xVolMax, 1280);
        EXPECT_EQ(x.action1, Aucune);
    }
    if (nom == "guitare") {
        EXPECT_TRUE(audio.channels[8].playing && audio.channels[8].loop);
        EXPECT_TRUE(platform::Contains(audio.channels[8].sound, u"guitare1"));
    }
    if (nom == "cuisine") {
        EXPECT_TRUE(j.nourritureVue && j.Entendu(10, "cuisine"));
    }
    if (nom == "dodo") {
        EXPECT_EQ(j.imagesZzz, (std::set<int>{0, 1, 2, 3, 4, 5}));
        EXPECT_TRUE(j.Entendu(5, "zzz"));
        EXPECT_EQ(x.visage->Frame() / 4, 1) << "eyes closed";
    }
    if (nom == "regard") {
        EXPECT_LE(std::fabs(x.tete->rotation), 18);
        EXPECT_GE(x.alphaRegard, 0.12f);
        EXPECT_LE(x.alphaRegard, 0.5f);
        // Two beams and the half circle, over both puppets.
        const auto& c = j.derniere;
        const std::size_t cercle = Ordre(c, u"demicercle");
        ASSERT_EQ(cercle, c.size() - 1);
        EXPECT_EQ(c[cercle - 1].kind, platform::DrawCommand::Poly);
        EXPECT_EQ(c[cercle - 2].kind, platform::DrawCommand::Poly);
    }
    if (nom == "elephant") {
        // The room shook five pixels down and came back where it was.
        EXPECT_TRUE(j.Entendu(6, "elephant_stomp") && j.Entendu(7, "elephant_stomp2"));
        EXPECT_FLOAT_EQ(j.yMax, 5);
        EXPECT_FLOAT_EQ(t->y, 37);
        EXPECT_TRUE(x.animal2->arrive);
    }

    // The replay, from the same seed: the very same frames.
    for (int i = 0; i <= t->dernierPerso; ++i) {
        t->persos[static_cast<std::size_t>(i)]->RestaureEtatDepart();
    }
    platform::SetSeed(graine);
    EXPECT_EQ(Joue(*t, scene, 150, false).empreintes, j.empreintes) << nom;
}

INSTANTIATE_TEST_SUITE_P(Scenes, Actions, ::testing::ValuesIn(Scenes()), NomDeScene);

// Every body, facing either way, raising one arm and then both, as the step leaves it: a raised
// hand is well over the top of the head; with both arms, a hand on each side of the head and
// far apart, where one arm leaves the other hanging at the side.
TEST_F(ActionTest, RaisedHandsRiseOverTheHeadAndBothArmsSpread) {
    using namespace CodeAction;
    for (int type = 0; type < NombreDeTypes; ++type) {
        for (float sens : {1.0f, -1.0f}) {
            for (int bras : {1, 2}) {
                SCOPED_TRACE("type " + std::to_string(type) + ", facing " +
                             std::to_string(static_cast<int>(sens)) + ", arms " +
                             std::to_string(bras));
                Acteur a = bras == 1 ? Role(u"i_lever un bras", LeverUnBras, 640, type)
                                     : Role(u"i_lever les bras", LeverLesBras, 640, type);
                const auto t = Monte({"", {a.Depart(640 - 80 * sens)}});
                for (int n = 0; n < 400; ++n) {
                    Avance(*t);
                }
                const Pantin& p = *t->persos[0];
                ASSERT_EQ(p.sens, sens);
                // Where each hand grips: its picture's hand point, wherever along its arm the
                // hand is drawn.
                const auto prise = [&p](const Membre& m, const iSprite& main) {
                    const DecalageTourne r =
                        TourneDecalage(m.attacheX, m.attacheY, m.rotation, p.sens);
                    return std::pair{main.x - r.distance * std::sin(r.angle),
                                     main.y + r.distance * std::cos(r.angle)};
                };
                const float sommet = p.tete->y - p.tete->poigneeY;
                const auto [xAvant, yAvant] = prise(*p.brasDroit, *p.mainDroite);
                const auto [xArriere, yArriere] = prise(*p.brasGauche, *p.mainGauche);
                EXPECT_LT(yAvant, sommet - 15);
                // The hand hangs out from the shoulder down the arm's picture, the way that
                // picture is stretched.
                const float r = p.brasDroit->rotation * 0.017453292f;
                const float hx = p.mainDroite->x - p.brasDroit->x;
                const float hy = p.mainDroite->y - p.brasDroit->y;
                EXPECT_NEAR(hx * std::cos(r) + hy * std::sin(r), 0, 0.01);
                EXPECT_GE(-hx * std::sin(r) + hy * std::cos(r), 0);
                if (bras == 1) {
                    EXPECT_GT(yArriere, p.brasGauche->y + p.brasGauche->hauteur / 2);
                    continue;
                }
                EXPECT_LT(yArriere, sommet - 15);
                EXPECT_LT((xAvant - p.tete->x) * sens, 0);
                EXPECT_GT((xArriere - p.tete->x) * sens, 0);
                EXPECT_GT(std::fabs(xArriere - xAvant), p.tete->largeur * 0.6f);
            }
        }
    }
}

// A raised arm drawn longer keeps its hand on it: along the outer part of the arm's line, where
// sleeve and hand meet, every point lies on the sleeve or the hand as drawn, with long sleeves and
// short ones, one arm or both. And a hand raised alone goes straight up, gripping right over its
// shoulder, and stands clear over the head: the fist, as much of it as the sleeve and the head
// leave in sight, ends above the highest pixel of the hair and of any hat with a gap between
// them, and not far above it, for every body (the children's small ones too), hair style and
// hat, facing either way; and of that arm, nothing shows over the face (its eyes, brows, cheeks
// and mouth) or over the hat.
TEST_F(ActionTest, ARaisedHandStaysOnItsArmAndAloneEndsClearlyOverTheHairAndEveryHat) {
    using namespace CodeAction;
    Silhouettes silhouettes(graphics);
    // Where the hand grips, wherever along its arm it is drawn.
    const auto prise = [](const Pantin& p, const Membre& bras, const iSprite& main) {
        const DecalageTourne r =
            TourneDecalage(bras.attacheX, bras.attacheY, bras.rotation, p.sens);
        return std::pair{main.x - r.distance * std::sin(r.angle),
                         main.y + r.distance * std::cos(r.angle)};
    };
    // The screen pixels of the arm and its hand; the arm's line from its pivot to the grip.
    const auto joint = [&](const Pantin& p, const Membre& bras, const iSprite& main) {
        auto pixels = silhouettes.Pixels(bras);
        pixels.merge(silhouettes.Pixels(main));
        const auto [gx, gy] = prise(p, bras, main);
        int trous = 0;
        for (float k = 0.4f; k <= 1.0f; k += 0.01f) {
            const int x = static_cast<int>(std::floor(bras.x + k * (gx - bras.x)));
            const int y = static_cast<int>(std::floor(bras.y + k * (gy - bras.y)));
            bool couvert = false;
            for (int dx = -3; dx <= 3 && !couvert; ++dx) {
                for (int dy = -3; dy <= 3 && !couvert; ++dy) {
                    couvert = pixels.contains({x + dx, y + dy});
                }
            }
            trous += !couvert;
        }
        return trous;
    };
    for (int type = 0; type < NombreDeTypes; ++type) {
        for (int habit : {0, 3}) {
            for (int bras : {1, 2}) {
                for (int coiffure = 0; coiffure < 3; ++coiffure) {
                    for (int chapeau : {0, 1, 2, 3, AucunChoix}) {
                        for (float sens : {1.0f, -1.0f}) {
                            // The fist over every hair style and hat; the joint once per hat.
                            if (coiffure > 0 && (habit != 0 || bras != 1)) {
                                continue;
                            }
                            SCOPED_TRACE("type " + std::to_string(type) + ", clothes " +
                                         std::to_string(habit) + ", arms " + std::to_string(bras) +
                                         ", hair " + std::to_string(coiffure) + ", hat " +
                                         std::to_string(chapeau) + ", facing " +
                                         std::to_string(static_cast<int>(sens)));
                            Acteur a = bras == 1
                                           ? Role(u"i_lever un bras", LeverUnBras, 640, type)
                                           : Role(u"i_lever les bras", LeverLesBras, 640, type);
                            a.Depart(640 - 80 * sens);
                            a.chapeau = chapeau;
                            a.coiffure = coiffure;
                            a.habit = habit;
                            const auto t = Monte({"", {a}});
                            for (int n = 0; n < 200; ++n) {
                                Avance(*t);
                            }
                            const Pantin& p = *t->persos[0];
                            ASSERT_TRUE(p.brasLeves && !p.actionEnCours);
                            EXPECT_EQ(joint(p, *p.brasDroit, *p.mainDroite), 0);
                            if (bras == 2) {
                                EXPECT_EQ(joint(p, *p.brasGauche, *p.mainGauche), 0);
                            }
                            if (bras == 1) {
                                // Straight up: the grip right over the shoulder.
                                EXPECT_NEAR(prise(p, *p.brasDroit, *p.mainDroite).first,
                                            p.brasDroit->x, 0.5);
                            }
                            if (habit != 0 || bras != 1) {
                                continue;
                            }
                            // Which of the head's and the front arm's parts shows on top at
                            // each screen pixel, as the terrain draws the puppet.
                            const auto vu = silhouettes.Dessus(
                                [&] { t->OnRender(); },
                                {p.buste.get(), p.tete.get(), p.cheveux.get(), p.chapeau.get(),
                                 p.visage.get(), p.mainDroite.get(), p.brasDroit.get()});
                            float poing = -1;
                            int surLeVisage = 0;
                            int surLeChapeau = 0;
                            const Boite visage = silhouettes.BoiteDe(*p.visage);
                            const auto chapeau = p.avecChapeau ? silhouettes.Pixels(*p.chapeau)
                                                               : std::set<std::pair<int, int>>{};
                            for (const auto& [point, s] : vu) {
                                const auto [x, y] = point;
                                if (s == p.mainDroite.get()) {
                                    poing = std::max(poing, static_cast<float>(y));
                                }
                                if (s != p.mainDroite.get() && s != p.brasDroit.get()) {
                                    continue;
                                }
                                surLeVisage += x >= visage.gauche && x < visage.droite &&
                                               y >= visage.haut && y < visage.bas;
                                surLeChapeau += chapeau.contains(point);
                            }
                            EXPECT_EQ(surLeVisage, 0);
                            EXPECT_EQ(surLeChapeau, 0);
                            Boite tete = silhouettes.BoiteDe(*p.cheveux);
                            tete.Ajoute(silhouettes.BoiteDe(*p.tete));
                            if (p.avecChapeau) {
                                tete.Ajoute(silhouettes.BoiteDe(*p.chapeau));
                            }
                            ASSERT_GE(poing, 0);
                            EXPECT_LT(poing, tete.haut - 8);
                            EXPECT_GT(poing, tete.haut - 50);
                        }
                    }
                }
            }
        }
    }
}

// Slots the staging left empty are skipped by every loop, and the guitar stops once a walker
// of the room has finished.
TEST_F(ActionTest, EmptySlotsAndTheEndOfTheGuitarLoop) {
    Scene scene = Scenes()[0];
    scene.acteurs.push_back(Role(u"i_jouer de la musique", CodeAction::JouerMusique, 300, 1));
    const auto t = Monte(scene);
    std::swap(t->persos[1], t->persos[3]);
    t->dernierPerso = 3;
    t->troisiemePerso = t->quatriemePerso = true;
    t->avecGuitare = true;
    EXPECT_FALSE(t->BoucleGuitare());
    platform::PlaySound(songuitare1, 8, platform::SoundLoop);
    for (int n = 0; n < 1000 && !Avance(*t); ++n) {
        graphics.BeginFrame(1280, 768);
        t->OnRender();
    }
    EXPECT_TRUE(t->animationFinie);
    EXPECT_FALSE(audio.channels[8].playing);
}

// An object released right above the point it must land on (a target standing where the hand
// lets go) lands there at once: no parabola passes twice through one x.
TEST_F(ActionTest, AThrowReleasedOverItsLandingPointLandsThere) {
    const auto t = Monte(Scenes()[10]);
    Pantin& x = *t->persos[0];
    Pantin& y = *t->persos[1];
    ASSERT_TRUE(x.AAction(CodeAction::LancerSur));
    const float xT = 640;
    const float yT = 420;
    // The release point, as if the hand had already let go there.
    x.xLacher = x.xCibleLancer = xT;
    x.yLacher = 400;
    int n = 0;
    for (; n < 600 && x.AAction(CodeAction::LancerSur); ++n) {
        clock.Advance(17);
        x.Lance(x.xArrivee, xT, yT, y, true);
        y.Repos(y.xArrivee);
        ASSERT_TRUE(std::isfinite(x.objetUneMain->x) && std::isfinite(x.objetUneMain->y)) << n;
    }
    EXPECT_LT(n, 600) << "the throw never ended";
    EXPECT_FLOAT_EQ(x.objetUneMain->x, xT);
    EXPECT_FLOAT_EQ(x.objetUneMain->y, yT);
}
