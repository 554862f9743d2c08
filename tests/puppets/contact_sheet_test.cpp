// The nine body types in both facings, dressed, with hats and props, and the four animals,
// built by the game's code and drawn by OpenGL in a hidden window, pasted tile by tile into one
// PNG for a person to look at beside the picture generator's own preview.
#include <GLFW/glfw3.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "action_scenes.h"
#include "framework/frame_chain.h"
#include "platform/gl_graphics.h"
#include "puppet_fixture.h"
#include "puppets/bmp_file.h"
#include "puppets/terrain_playfield.h"
#include "sentence/realisation.h"

namespace {

constexpr int TileW = 260;
constexpr int TileH = 600;

class ContactSheetTest : public PuppetTest {
  protected:
    void SetUp() override {
        // The window stays until the process ends (see the widget screenshots). Its own title
        // keeps it apart from the game's window, which the end-to-end test looks for.
        static GLFWwindow* window = []() -> GLFWwindow* {
            if (!glfwInit()) {
                return nullptr;
            }
            glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
            return glfwCreateWindow(1134, 680, "puppets test", nullptr, nullptr);
        }();
        if (!window) {
            GTEST_SKIP() << "no display or no OpenGL context: contact sheet not drawn";
        }
        glfwMakeContextCurrent(window);
        glfwGetFramebufferSize(window, &width, &height);
        PuppetTest::SetUp();
    }

    // Draws into the window's bottom-left w by h corner and pastes it at (x, y) of the sheet.
    void Tile(int x, int y, int w, int h, const std::function<void()>& draw) {
        Colle(x, y, w, h, [&] {
            platform::Cls(0.96f, 0.93f, 0.86f);
            platform::SetColor(217, 199, 168);
            platform::DrawRect(0, static_cast<float>(height - 40), static_cast<float>(w), 40);
            // The tile's floor line is the window's bottom edge, 40 units below the terrain's.
            platform::Translate(0, static_cast<float>(height - h));
            draw();
        });
    }

    // The same on the window as it is; a white line at the piece's left and top edges.
    void Colle(int x, int y, int w, int h, const std::function<void()>& draw, bool bord = false) {
        platform::SetGraphicsDevice(gl.get());
        gl->BeginFrame(width, height);
        draw();
        gl->EndFrame();
        const auto bgra = gl->ReadPixels(0, 0, w, h);
        platform::SetGraphicsDevice(&graphics);
        for (int row = 0; row < h; ++row) {
            for (int col = 0; col < w; ++col) {
                const std::size_t from = (static_cast<std::size_t>(h - 1 - row) * w + col) * 4;
                const std::size_t to = (static_cast<std::size_t>(y + row) * sheetW + x + col) * 3;
                const bool blanc = bord && (row == 0 || col == 0);
                sheet[to] = blanc ? 255 : bgra[from + 2];
                sheet[to + 1] = blanc ? 255 : bgra[from + 1];
                sheet[to + 2] = blanc ? 255 : bgra[from];
            }
        }
    }

    // The middle w pixels of a terrain's room, its floor at the tile's foot, pasted at (x, y).
    void Milieu(iPlayFieldTerrainAction& t, int x, int y, int w, int h) {
        Colle(
            x, y, w, h,
            [&] {
                platform::Translate(-(640.0f - w / 2.0f), static_cast<float>(height - 768));
                t.OnRender();
            },
            true);
    }

    // A terrain's room, the part below `haut` at half size, pasted at (x, y) of the sheet.
    void Piece(iPlayFieldTerrainAction& t, int x, int y, float haut = 0) {
        const int w = 640;
        const int h = static_cast<int>((768 - haut) / 2);
        Colle(
            x, y, w, h,
            [&] {
                platform::Translate(0, static_cast<float>(height - h));
                platform::Scale(0.5f, 0.5f);
                platform::Translate(0, -haut);
                t.OnRender();
            },
            true);
    }

    // A sheet of `rangs` rows of the nine bodies, facing right then left side by side, in tiles
    // 200 by 680; `tuile` pastes the one of a row, body and facing at (x, y).
    static constexpr int TuileW = 200;
    static constexpr int TuileH = 680;
    static constexpr int Chapeaux[] = {0, 1, 2, 3, AucunChoix};
    void SousChaqueChapeau(int rangs, const std::string& nom,
                           const std::function<void(int, int, float, int, int)>& tuile) {
        gl = platform::CreateOpenGlGraphics();
        sheetW = 2 * 9 * TuileW;
        sheet.assign(static_cast<std::size_t>(sheetW) * rangs * TuileH * 3, 255);
        for (int rang = 0; rang < rangs; ++rang) {
            for (int col = 0; col < 2 * 9; ++col) {
                tuile(rang, col / 2, col % 2 == 0 ? 1.0f : -1.0f, col * TuileW, rang * TuileH);
            }
        }
        ASSERT_TRUE(Ecrit(nom, rangs * TuileH));
    }

    bool Ecrit(const std::string& nom, int sheetH) {
        const std::string chemin = std::string(MQ_TEST_OUTPUT) + "/" + nom + ".png";
        return stbi_write_png(chemin.c_str(), sheetW, sheetH, 3, sheet.data(), sheetW * 3) != 0;
    }

    int width = 0;
    int height = 0;
    std::unique_ptr<platform::GraphicsDevice> gl;
    int sheetW = 0;
    std::vector<std::uint8_t> sheet;
};

} // namespace

TEST_F(ContactSheetTest, BodyTypesBothFacingsWithPropsAndHatsAndTheAnimals) {
    gl = platform::CreateOpenGlGraphics();
    sheetW = 9 * TileW;
    const int animalsH = 520;
    const int sheetH = 2 * TileH + animalsH;
    sheet.assign(static_cast<std::size_t>(sheetW) * sheetH * 3, 255);

    // One prop of each kind across the row; hats go round the four and none.
    const String uneMain[9] = {u"unemain_pomme_f", u"", u"unemain_marteau_m", u"", u"poele", u"",
                               u"unemain_rose_f",  u"", u"unemain_balle_f"};
    const String deuxMains[9] = {u"", u"deuxmains_caisse_f", u"", u"pancarte",
                                 u"", u"deuxmains_gateau_m", u"", u"deuxmains_paquet-cadeau_m",
                                 u""};
    for (int row = 0; row < 2; ++row) {
        for (int type = 0; type < 9; ++type) {
            Commande c;
            c.type = type;
            c.sens = row == 0 ? 1.0f : -1.0f;
            c.habit = (type + row) % 4;
            c.manches = c.habit == 3 ? 1 : 0;
            c.coiffure = type % 3;
            c.chapeau = (type + row) % 5 == 4 ? AucunChoix : (type + row) % 5;
            c.uneMain = uneMain[type];
            c.deuxMains = deuxMains[type];
            c.pancarte = u"a";
            if (type == 5 && row == 1) {
                c.verbe1 = u"i_jouer de la musique";
                c.deuxMains.clear();
            }
            const auto perso = Construit(c, TileW / 2.0f);
            // Where the music step holds the guitar.
            if (perso->guitare) {
                perso->guitare->x = perso->jambe1->decalageX * perso->sens + perso->buste->x;
                perso->guitare->y = perso->yBuste;
            }
            Tile(type * TileW, row * TileH, TileW, TileH, [&] {
                platform::Translate(0, TileH - 768.0f);
                perso->Dessine();
                perso->DessineBrasAvant();
            });
        }
    }

    // The animals, and a table with its object, on a floor at the tile's bottom.
    const String especes[4] = {u"animal_chien_m", u"animal_crocodile_m", u"animal_elephant_m",
                               u"animal_poisson_m"};
    const int largeurs[4] = {300, 480, 900, 300};
    int x = 0;
    for (int k = 0; k < 4; ++k) {
        Animal animal;
        animal.Fabrique(largeurs[k] + 400, animalsH, especes[k], k == 0 ? u"marron" : u"");
        // Centred in its tile.
        const float dx = largeurs[k] / 2.0f - animal.ventre->x;
        Tile(x, 2 * TileH, largeurs[k], animalsH, [&] {
            platform::Translate(dx, 0);
            animal.DessineCorps();
            animal.DessineTete();
        });
        x += largeurs[k];
    }
    Commande c;
    c.type = 8;
    c.surTable = u"deuxmains_gateau_m";
    const auto perso = Construit(c, 1280 - 80);
    Tile(x, 2 * TileH, sheetW - x, animalsH, [&] {
        platform::Translate(-(perso->table->x - 40), animalsH - 768.0f);
        perso->table->Draw();
        perso->objetSurTable->Draw();
        perso->Dessine();
        perso->DessineBrasAvant();
    });

    const std::string path = std::string(MQ_TEST_OUTPUT) + "/puppets_contact_sheet.png";
    ASSERT_TRUE(stbi_write_png(path.c_str(), sheetW, sheetH, 3, sheet.data(), sheetW * 3));
}

// Every action of the scenes, eight moments of one run (from the start to a little after the
// end), drawn by OpenGL: the lower part of the room where the puppets act, two per row.
class ActionStrips : public ContactSheetTest, public ::testing::WithParamInterface<Scene> {};

TEST_P(ActionStrips, EightMomentsOfTheAction) {
    gl = platform::CreateOpenGlGraphics();
    const Scene& scene = GetParam();
    // A first run tells when the action ends.
    int fin = 0;
    for (auto t = Monte(scene); fin < scene.limite && !t->animationFinie; ++fin) {
        clock.Advance(17);
        t->AnimePersos();
        t->VisePersos();
    }
    const int total = std::max(fin + 40, scene.duree);
    platform::SetSeed(platform::StartSeed);
    const auto t = Monte(scene);
    t->MeublesAuHasard();
    // The carried child sits high.
    const float Haut = scene.nom == "epaules" ? 40.0f : 180.0f;
    const int h = static_cast<int>((768 - Haut) / 2);
    sheetW = 2 * 640;
    sheet.assign(static_cast<std::size_t>(sheetW) * 4 * h * 3, 255);
    for (int n = 0, prise = 0; n <= total && prise < 8; ++n) {
        clock.Advance(17);
        t->AnimePersos();
        t->VisePersos();
        if (n >= prise * total / 7) {
            Piece(*t, prise % 2 * 640, prise / 2 * h, Haut);
            ++prise;
        }
    }
    ASSERT_TRUE(Ecrit("action_" + NomDeScene({scene, 0}), 4 * h));
}

INSTANTIATE_TEST_SUITE_P(Scenes, ActionStrips, ::testing::ValuesIn(Scenes()), NomDeScene);

// Every adult carrying each child on its shoulders, in both facings and under every hat: the
// upper part of the room around the carrier, drawn by the terrain as the game draws it.
TEST_F(ContactSheetTest, EveryAdultCarriesEachChildInBothFacings) {
    gl = platform::CreateOpenGlGraphics();
    constexpr int Adultes[] = {0, 1, 2, 3, 5, 6, 7};
    constexpr float Echelle = 0.75f;
    constexpr float Haut = 560;
    const int w = static_cast<int>(340 * Echelle);
    const int h = static_cast<int>(Haut * Echelle);
    sheetW = 7 * w;
    sheet.assign(static_cast<std::size_t>(sheetW) * 4 * h * 3, 255);
    for (int rang = 0; rang < 4; ++rang) {
        const float sens = rang % 2 == 0 ? 1.0f : -1.0f;
        for (int col = 0; col < 7; ++col) {
            using namespace CodeAction;
            Acteur porteur = Role(u"p_portersurepaules", PorterSurEpaules, 640, Adultes[col]);
            porteur.Sens(sens).Vers(1).chapeau =
                (col + rang) % 5 == 4 ? AucunChoix : (col + rang) % 5;
            const Scene scene{
                "",
                {porteur,
                 Role(u"", Aucune, 640, rang < 2 ? 4 : 8).Sens(sens).Avec(&Acteur::porte)}};
            const auto t = Monte(scene);
            for (int n = 0; n < 3; ++n) {
                clock.Advance(17);
                t->AnimePersos();
            }
            Colle(
                col * w, rang * h, w, h,
                [&] {
                    platform::Translate(0, static_cast<float>(height - h));
                    platform::Scale(Echelle, Echelle);
                    platform::Translate(-470, -40);
                    t->OnRender();
                },
                true);
        }
    }
    ASSERT_TRUE(Ecrit("porter_sur_epaules", 4 * h));
}

// The carried child sits up on its carrier's head without hiding the carrier's face: drawn
// with and without the child, the carrier's eyes and mouth show the same pixels, whether the
// carrier faces ahead or looks up at the child.
TEST_F(ContactSheetTest, ACarriedChildLeavesItsCarriersFaceInSight) {
    gl = platform::CreateOpenGlGraphics();
    const int w = 340;
    const int h = 560;
    const float ox = 470;
    const float oy = 40;
    sheetW = 2 * w;
    sheet.assign(static_cast<std::size_t>(sheetW) * h * 3, 255);
    for (int porteur : {0, 1, 2, 3, 5, 6, 7}) {
        for (int enfant : {4, 8}) {
            for (float sens : {1.0f, -1.0f}) {
                for (bool leveLesYeux : {false, true}) {
                    using namespace CodeAction;
                    SCOPED_TRACE("carrier " + std::to_string(porteur) + ", child " +
                                 std::to_string(enfant) + ", facing " +
                                 std::to_string(static_cast<int>(sens)) +
                                 (leveLesYeux ? ", looking up" : ""));
                    Acteur a = Role(u"p_portersurepaules", PorterSurEpaules, 640, porteur);
                    a.Sens(sens).Vers(1);
                    const auto t = Monte(
                        {"", {a, Role(u"", Aucune, 640, enfant).Sens(sens).Avec(&Acteur::porte)}});
                    Pantin& x = *t->persos[0];
                    x.action2 = leveLesYeux ? RegarderPersonne : Aucune;
                    for (int n = 0; n < 30; ++n) {
                        clock.Advance(17);
                        t->AnimePersos();
                        t->VisePersos();
                    }
                    // With the child, then without it (not carried, it is drawn nowhere).
                    for (int k = 0; k < 2; ++k) {
                        x.indexPorte = k == 0 ? 1 : 0;
                        Colle(k * w, 0, w, h, [&] {
                            platform::Translate(-ox, static_cast<float>(height - h) - oy);
                            t->OnRender();
                        });
                    }
                    x.indexPorte = 1;
                    // The eyes as the aim finds them, and the mouth under them.
                    float yeux[2][2];
                    for (int e = 0; e < 2; ++e) {
                        const float dx = e == 0 ? x.visage->oeil1X : x.visage->oeil2X;
                        const DecalageTourne r =
                            TourneDecalage(dx * x.sensTete, x.visage->yeuxY, x.tete->rotation, 1);
                        yeux[e][0] = x.tete->x + r.distance * std::sin(r.angle) - ox;
                        yeux[e][1] = x.tete->y - r.distance * std::cos(r.angle) - oy;
                    }
                    const int gauche = static_cast<int>(std::min(yeux[0][0], yeux[1][0])) - 10;
                    const int droite = static_cast<int>(std::max(yeux[0][0], yeux[1][0])) + 10;
                    const int haut = static_cast<int>(std::min(yeux[0][1], yeux[1][1])) - 10;
                    const int bas = static_cast<int>(std::max(yeux[0][1], yeux[1][1])) + 40;
                    ASSERT_GE(gauche, 0);
                    ASSERT_LT(droite, w);
                    ASSERT_GE(haut, 0);
                    ASSERT_LT(bas, h);
                    int caches = 0;
                    for (int row = haut; row <= bas; ++row) {
                        for (int col = gauche; col <= droite; ++col) {
                            const std::size_t i =
                                (static_cast<std::size_t>(row) * sheetW + col) * 3;
                            int ecart = 0;
                            for (int c = 0; c < 3; ++c) {
                                ecart =
                                    std::max(ecart, std::abs(sheet[i + c] - sheet[i + w * 3 + c]));
                            }
                            caches += ecart > 40;
                        }
                    }
                    EXPECT_LT(caches, (droite - gauche + 1) * (bas - haut + 1) / 50);
                }
            }
        }
    }
}

// Every body on the unicycle, a quarter turn of the cranks apart: the feet on the pedals round
// the chainring.
TEST_F(ContactSheetTest, EveryBodyRidesTheUnicycle) {
    gl = platform::CreateOpenGlGraphics();
    const int w = 200;
    const int h = 300;
    sheetW = 9 * w;
    sheet.assign(static_cast<std::size_t>(sheetW) * 4 * h * 3, 255);
    for (int type = 0; type < 9; ++type) {
        const auto t =
            Monte({"", {Role(u"i_pedaler", CodeAction::Pedaler, 1530, type).Depart(300)}});
        for (int n = 0; n < 24; ++n) {
            clock.Advance(17);
            t->AnimePersos();
            if (n % 6 == 0) {
                const float x = t->persos[0]->buste->x;
                Colle(
                    type * w, n / 6 * h, w, h,
                    [&] {
                        platform::Translate(-(x - w / 2.0f), static_cast<float>(height - 768));
                        t->OnRender();
                    },
                    true);
            }
        }
    }
    ASSERT_TRUE(Ecrit("monocycle_de_chacun", 4 * h));
}

// Every body raising one arm, then both, facing right and facing left, held once the raise is
// over: one arm straight up, both spread, each hand above the head.
TEST_F(ContactSheetTest, EveryBodyRaisesOneArmAndBothArms) {
    gl = platform::CreateOpenGlGraphics();
    const int w = 320;
    const int h = 560;
    sheetW = 9 * w;
    sheet.assign(static_cast<std::size_t>(sheetW) * 4 * h * 3, 255);
    for (int rang = 0; rang < 4; ++rang) {
        const bool deux = rang >= 2;
        const float depart = rang % 2 == 0 ? 560.0f : 720.0f;
        for (int type = 0; type < 9; ++type) {
            using namespace CodeAction;
            Acteur a = deux ? Role(u"i_lever les bras", LeverLesBras, 640, type)
                            : Role(u"i_lever un bras", LeverUnBras, 640, type);
            a.Depart(depart).chapeau = (type + rang) % 5 == 4 ? AucunChoix : (type + rang) % 5;
            const auto t = Monte({"", {a}});
            // The walk there, then the raise (which counts as finished once it has begun).
            for (int n = 0; n < 400 && !t->animationFinie; ++n) {
                clock.Advance(17);
                t->AnimePersos();
            }
            for (int n = 0; n < 120; ++n) {
                clock.Advance(17);
                t->AnimePersos();
            }
            Milieu(*t, type * w, rang * h, w, h);
        }
    }
    ASSERT_TRUE(Ecrit("lever_un_bras_et_les_bras", 4 * h));
}

// Every body raising one arm under each hat and bareheaded, hair going round, facing right then
// left side by side: the arm up behind the head, the face and the hat in sight, the fist clear
// over the hat or the hair.
TEST_F(ContactSheetTest, EveryBodyRaisesOneArmUnderEveryHat) {
    SousChaqueChapeau(5, "lever_un_bras_sous_chaque_chapeau",
                      [&](int rang, int type, float sens, int x, int y) {
                          Acteur a = Role(u"i_lever un bras", CodeAction::LeverUnBras, 640, type);
                          a.Depart(640 - 80 * sens).chapeau = Chapeaux[rang];
                          a.coiffure = (type + rang) % 3;
                          const auto t = Monte({"", {a}});
                          for (int n = 0; n < 200; ++n) {
                              clock.Advance(17);
                              t->AnimePersos();
                          }
                          Milieu(*t, x, y, TuileW, TuileH);
                      });
}

// Every body holding up its sign as on the end screen, under each hat and bareheaded, facing
// right then left side by side, standing at its letter; in the last row, halfway through the
// run. The arms go up behind the head, the hands and the sign over it.
TEST_F(ContactSheetTest, EveryBodyHoldsUpItsSignUnderEveryHat) {
    SousChaqueChapeau(
        6, "pancarte_sous_chaque_chapeau", [&](int rang, int type, float sens, int x, int y) {
            Commande c;
            c.type = type;
            c.sens = sens;
            c.chapeau = Chapeaux[rang < 5 ? rang : (x / TuileW) % 5];
            c.coiffure = (type + rang) % 3;
            const auto p = AvecPancarte(c, 640, 120);
            const auto salle = SalleDeFin({p});
            for (int n = 0; n < (rang < 5 ? 400 : 25) && p->action1 == CodeAction::Courir; ++n) {
                p->Marche(p->xDepart, p->xArrivee, true, 1.0f);
            }
            const float bx = p->buste->x;
            Colle(
                x, y, TuileW, TuileH,
                [&] {
                    platform::Translate(-(bx - TuileW / 2.0f), static_cast<float>(height - 768));
                    salle->OnRender();
                },
                true);
        });
}

namespace {

// A sentence as the generator writes it: subject, main verb, its object, the second noun
// group's verb and object, the subject's own verb and object.
StructureAction Phrase(const char16_t* gn1, const char16_t* action, const char16_t* gn2,
                       const char16_t* vc2 = u"", const char16_t* oc2 = u"",
                       const char16_t* vc1 = u"", const char16_t* oc1 = u"") {
    StructureAction s;
    s.GroupeNominal1 = gn1;
    s.Action = action;
    s.GroupeNominal2 = gn2;
    s.VerbeComplement2 = vc2;
    s.ObjetComplement2 = oc2;
    s.VerbeComplement1 = vc1;
    s.ObjetComplement1 = oc1;
    for (const String* role :
         {&s.GroupeNominal1, &s.GroupeNominal2, &s.ObjetComplement1, &s.ObjetComplement2}) {
        s.NombrePersos += platform::StartsWith(*role, u"perso");
    }
    return s;
}

// A dozen sentences and more: passive, relative, throws, animals, guitar, cook, sleep, carry,
// lift, raising the arms.
std::vector<StructureAction> Phrases() {
    std::vector<StructureAction> p = {
        Phrase(u"perso_dame_f", u"a_promener", u"animal_chien_m"),
        Phrase(u"perso_petite fille_f", u"p_poursuivre", u"perso_monsieur_m"),
        Phrase(u"perso_monsieur_m", u"po_regarder", u"perso_dame_f", u"i_cuisiner"),
        Phrase(u"perso_petite fille_f", u"p_lancer sur", u"perso_monsieur_m"),
        Phrase(u"perso_monsieur_m", u"p_lancer a", u"perso_dame_f"),
        Phrase(u"perso_monsieur_m", u"p_portersurepaules", u"perso_petit garcon_m"),
        Phrase(u"perso_dame_f", u"i_jouer de la musique", u""),
        Phrase(u"perso_dame_f", u"po_regarder", u"perso_monsieur_m", u"i_dormir"),
        Phrase(u"perso_monsieur_m", u"po_regarder", u"animal_elephant_m"),
        Phrase(u"perso_petite fille_f", u"odm_soulever", u"deuxmains_gateau_m"),
        Phrase(u"perso_petit garcon_m", u"p_poursuivre", u"perso_dame_f", u"a_promener",
               u"animal_crocodile_m"),
        Phrase(u"perso_monsieur_m", u"i_lever un bras", u"", u"", u"", u"i_pedaler"),
        Phrase(u"perso_dame_f", u"po_regarder", u"unemain_pomme_f|par_terre", u"", u"",
               u"ouodm_tenir", u"deuxmains_caisse_f"),
        Phrase(u"perso_dame_f", u"po_regarder", u"perso_monsieur_m", u"p_lancer sur",
               u"perso_petit garcon_m"),
        Phrase(u"perso_monsieur_m", u"p_portersurepaules", u"perso_petite fille_f"),
        Phrase(u"perso_petite fille_f", u"i_lever les bras", u""),
        Phrase(u"perso_petit garcon_m", u"i_lever un bras", u"")};
    p[0].GroupeNominalAdjectif2 = u"marron";
    p[1].Passive = p[1].PassiveOuQue = true;
    p[2].RelativeQue = p[2].PassiveOuQue = true;
    p[3].ObjetDonneLance1 = u"unemain_balle_f";
    p[4].ObjetDonneLance1 = u"unemain_pomme_f";
    p[8].GroupeNominalAdjectif2 = u"gris";
    p[13].ObjetDonneLance2 = u"unemain_balle_f";
    return p;
}

} // namespace

// Each sentence staged as the game stages it, a frame from the middle of its animation and one
// from its end side by side, the PNG beside a text file holding the sentence.
class StagedSentences : public ContactSheetTest, public ::testing::WithParamInterface<int> {};

TEST_P(StagedSentences, MiddleAndEnd) {
    gl = platform::CreateOpenGlGraphics();
    const StructureAction s = Phrases()[static_cast<std::size_t>(GetParam())];
    platform::SetSeed(platform::StartSeed + GetParam());
    const auto t = Stage(s);
    // A first run tells when the animation ends; its replay is drawn.
    int fin = 0;
    for (; fin < 2000 && !t->animationFinie; ++fin) {
        t->AnimePersos();
        t->VisePersos();
        clock.Advance(17);
    }
    for (int i = 0; i <= t->dernierPerso; ++i) {
        t->persos[static_cast<std::size_t>(i)]->RestaureEtatDepart();
    }
    const int milieu = std::max(fin / 2, 40);
    const int bout = std::max(fin + 30, 150);
    sheetW = 2 * 640;
    sheet.assign(static_cast<std::size_t>(sheetW) * 384 * 3, 255);
    for (int n = 0; n <= bout; ++n) {
        clock.Advance(17);
        t->AnimePersos();
        t->VisePersos();
        if (n == milieu || n == bout) {
            Piece(*t, n == milieu ? 0 : 640, 0);
        }
    }
    const std::string nom = "terrain_" + std::to_string(GetParam() + 101).substr(1);
    ASSERT_TRUE(Ecrit(nom, 384));
    std::ofstream(std::string(MQ_TEST_OUTPUT) + "/" + nom + ".txt")
        << platform::ToUtf8(PhraseDeStructure(false, s, false)) << "\n";
}

INSTANTIATE_TEST_SUITE_P(Phrases, StagedSentences, ::testing::Range(0, 17));

// A capture by the real device: what OpenGL drew, read back, saved as BMP and loaded again.
TEST_F(ContactSheetTest, ACaptureReadBackFromOpenGl) {
    gl = platform::CreateOpenGlGraphics();
    std::string dossier = std::filesystem::temp_directory_path() / "mq-capture-XXXXXX";
    ASSERT_NE(mkdtemp(dossier.data()), nullptr);
    dossierprofil = platform::FromUtf8(dossier + "/");
    platform::ResetAppState();
    platform::SetDeviceSize(width, height);
    BmpFile bmp;
    // Partly off the right edge: 20 columns remain, the top right corner yellow on blue.
    Colle(0, 0, 0, 0, [&] {
        platform::Cls(40 / 255.0f, 120 / 255.0f, 200 / 255.0f);
        platform::SetColor(250, 220, 0);
        platform::DrawRect(static_cast<float>(width - 20), 0, 20, 20);
        EXPECT_TRUE(bmp.Capture(width - 20, 0, 50, 30));
    });
    EXPECT_TRUE(bmp.Sauve(u"reel"));
    const auto image = platform::LoadImage(platform::FromUtf8(dossier + "/reel.bmp"));
    // The pixels come from the file, read before it goes.
    ASSERT_TRUE(image && platform::EnsurePixels(*image->GetSurface()));
    std::filesystem::remove_all(dossier);
    dossierprofil.clear();
    ASSERT_EQ(image->Width(), 20);
    ASSERT_EQ(image->Height(), 30);
    const auto& rgba = image->GetSurface()->rgba;
    EXPECT_EQ(std::vector<int>(rgba.begin(), rgba.begin() + 3), (std::vector<int>{250, 220, 0}));
    EXPECT_EQ(std::vector<int>(rgba.end() - 4, rgba.end() - 1), (std::vector<int>{40, 120, 200}));
}
