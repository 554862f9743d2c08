// Puppets built from words and set at rest, checked on the recording device against the picture
// catalogue's own numbers: every limb hangs at its joint on the torso, hats sit at the hat point
// of the head, held props at the hand, in both facings, and a carried partner's seat is the
// catalogue's; nothing is NaN; the draw order; and a missing picture leaves the puppet standing
// without that part.
#include <array>
#include <cmath>
#include <filesystem>

#include "catalogue.h"
#include "platform/diag.h"
#include "platform/image.h"
#include "puppet_fixture.h"
#include "puppets/body_tables.h"

namespace {

using Point = std::pair<float, float>;

// Where a point of the frame shown lands on screen, from the quad the device recorded.
Point Ecran(platform::RecordingGraphics& graphics, const iSprite& sprite, art::Pt p) {
    graphics.BeginFrame(1280, 768);
    sprite.Draw();
    EXPECT_EQ(graphics.commands.size(), 1u);
    if (graphics.commands.empty()) {
        return {NAN, NAN};
    }
    const auto& q = graphics.commands.back().points;
    const auto& rect = sprite.FirstImage()->Frame(sprite.Frame());
    const float u = static_cast<float>(p.x) / static_cast<float>(rect.w);
    const float v = static_cast<float>(p.y) / static_cast<float>(rect.h);
    return {q[0] + u * (q[2] - q[0]) + v * (q[6] - q[0]),
            q[1] + u * (q[3] - q[1]) + v * (q[7] - q[1])};
}

void ExpectNear(Point a, Point b, float tolerance, const std::string& what) {
    EXPECT_LE(std::hypot(a.first - b.first, a.second - b.second), tolerance)
        << what << ": (" << a.first << ", " << a.second << ") against (" << b.first << ", "
        << b.second << ")";
}

std::vector<const iSprite*> Parts(const Pantin& p) {
    std::vector<const iSprite*> parts = {
        p.buste.get(),         p.tete.get(),       p.cheveux.get(),      p.visage.get(),
        p.brasDroit.get(),     p.brasGauche.get(), p.jambe1.get(),       p.jambe2.get(),
        p.mainDroite.get(),    p.mainGauche.get(), p.objetUneMain.get(), p.objetDeuxMains.get(),
        p.objetSurTable.get(), p.chapeau.get(),    p.guitare.get(),      p.regard.get(),
        p.table.get()};
    std::erase(parts, nullptr);
    return parts;
}

const cat::ObjectGeo* Objet(const String& fichier) {
    for (const auto& o : cat::kObjects) {
        if (platform::EndsWith(fichier, platform::FromUtf8(o.file))) {
            return &o;
        }
    }
    return nullptr;
}

} // namespace

TEST_F(PuppetTest, EveryBodyFacingGarmentHatAndPropHangsTogether) {
    // Verb, one-hand object, two-hand object, object on a table.
    const std::array<String, 4> props[] = {
        {u"i_marcher", u"unemain_pomme_f", u"", u""},
        {u"i_marcher", u"unemain_marteau_m", u"", u""},
        {u"i_marcher", u"unemain_rose_f", u"", u""},
        {u"i_marcher", u"unemain_banane_f", u"", u""},
        {u"i_marcher", u"unemain_balle_f", u"", u""},
        {u"i_cuisiner", u"poele", u"", u""},
        {u"i_marcher", u"", u"deuxmains_caisse_f", u""},
        {u"i_marcher", u"", u"deuxmains_gateau_m|par_terre", u""},
        {u"i_marcher", u"", u"deuxmains_toureiffel_f", u""},
        {u"i_marcher", u"", u"deuxmains_statue_f", u""},
        {u"i_marcher", u"", u"pancarte", u""},
        {u"i_marcher", u"", u"", u"deuxmains_elephant_m"},
        {u"i_marcher", u"", u"", u"unemain_banane_f"},
        {u"i_jouer de la musique", u"", u"", u""},
        {u"odm_soulever", u"", u"deuxmains_paquet-cadeau_m", u""},
        {u"i_marcher", u"", u"", u""}};
    int built = 0;
    for (int type = 0; type < 9; ++type) {
        const cat::BodyType& b = cat::kBodies[static_cast<std::size_t>(type)];
        const cat::LegGeo& leg = cat::kLegs[static_cast<std::size_t>(b.legClass)];
        for (float sens : {1.0f, -1.0f}) {
            for (int habit = 0; habit < 4; ++habit) {
                for (int chapeau : {0, 1, 2, 3, AucunChoix}) {
                    // Every prop once per body and facing, spread over the clothes and hats.
                    for (std::size_t k = static_cast<std::size_t>(habit * 5 + chapeau % 5) % 4;
                         k < std::size(props); k += 4) {
                        Commande c;
                        c.verbe1 = props[k][0];
                        c.uneMain = props[k][1];
                        c.deuxMains = props[k][2];
                        c.surTable = props[k][3];
                        c.pancarte = u"a";
                        c.type = type;
                        c.sens = sens;
                        c.habit = habit;
                        c.manches = habit == 3;
                        c.chapeau = chapeau;
                        const auto p = Construit(c, 500);
                        ++built;
                        const std::string what = "type " + std::to_string(type) + " sens " +
                                                 std::to_string(sens) + " prop " +
                                                 std::to_string(k);
                        for (const iSprite* part : Parts(*p)) {
                            for (float v :
                                 {part->x, part->y, part->rotation, part->scaleX, part->scaleY}) {
                                ASSERT_TRUE(std::isfinite(v)) << what;
                            }
                        }
                        const auto torse = [&](art::Pt at) {
                            return Ecran(graphics, *p->buste, at);
                        };
                        ExpectNear(Ecran(graphics, *p->tete, b.head.pivot), torse(b.torso.neck), 2,
                                   what + " head");
                        ExpectNear(Ecran(graphics, *p->brasDroit, b.front.pivot),
                                   torse(b.torso.front), 2, what + " front arm");
                        ExpectNear(Ecran(graphics, *p->brasGauche, b.back.pivot),
                                   torse(b.torso.back), 2, what + " back arm");
                        // The legs stay upright under a torso leaning back from a load.
                        const auto hanche = [&](art::Pt hip) {
                            return Point{p->buste->x + p->sens * float(hip.x - b.torso.handle.x),
                                         p->buste->y + float(hip.y - b.torso.handle.y)};
                        };
                        ExpectNear(Ecran(graphics, *p->jambe1, leg.hip), hanche(b.torso.hip1), 1,
                                   what + " leg 1");
                        ExpectNear(Ecran(graphics, *p->jambe2, leg.hip), hanche(b.torso.hip2), 1,
                                   what + " leg 2");
                        ExpectNear({p->buste->repereX, p->buste->repereY},
                                   {float(b.torso.seat.x), float(b.torso.seat.y)}, 0,
                                   what + " seat");
                        ExpectNear(Ecran(graphics, *p->visage, b.head.pivot),
                                   Ecran(graphics, *p->tete, b.head.pivot), 1, what + " face");
                        if (p->chapeau) {
                            const auto& h = cat::kHats[static_cast<std::size_t>(chapeau)];
                            ExpectNear(Ecran(graphics, *p->chapeau, h.handle),
                                       Ecran(graphics, *p->tete, b.head.hat), 2, what + " hat");
                        }
                        const Accessoire* tenu =
                            p->objetUneMain ? p->objetUneMain.get() : p->objetDeuxMains.get();
                        if (tenu && !c.verbe1.starts_with(u"odm")) {
                            const cat::ObjectGeo* o = Objet(tenu->FirstImage()->Name());
                            const art::Pt grip = o ? o->grip : cat::kSignGrip;
                            // In the hand, which moves out with the sleeve of an arm that
                            // reaches up.
                            ExpectNear(Ecran(graphics, *tenu, grip),
                                       Ecran(graphics, *p->mainDroite, b.front.hand), 2,
                                       what + " held prop");
                        }
                        // The feet stand 10 pixels above the terrain's bottom.
                        EXPECT_NEAR(Ecran(graphics, *p->jambe1, {0, double(leg.h)}).second, 758, 1);
                        if (HasFailure()) {
                            return;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(built, 9 * 2 * 4 * 5 * 3);
}

// A raised arm is drawn longer by stretching its sleeve alone, the hand moving out with the
// sleeve's end: the numbers of where each sleeve picture ends, and where the fist begins to show
// past the long one, are those of the pictures themselves.
TEST_F(PuppetTest, WhereTheSleevesEndIsWhereTheirPicturesEnd) {
    const auto pixels = [](const std::string& fichier) {
        auto image = platform::LoadImage(platform::FromUtf8(MQ_TEST_DATA_DIR "/" + fichier));
        EXPECT_TRUE(image && platform::EnsurePixels(*image->GetSurface())) << fichier;
        return image;
    };
    for (int type = 0; type < 9; ++type) {
        const cat::BodyType& b = cat::kBodies[static_cast<std::size_t>(type)];
        for (int k = 0; k < 2; ++k) {
            const std::string s = b.suffix;
            const auto longue = pixels((k == 0 ? "brasd" : "brasg") + s + ".png");
            const auto courte = pixels((k == 0 ? "brasd" : "brasg") + s + "b.png");
            const auto main = pixels((k == 0 ? "maind" : "maing") + s + ".png");
            if (!longue || !courte || !main) {
                continue;
            }
            const auto opaque = [](const platform::Image& image, int u, int v) {
                const platform::Surface& p = *image.GetSurface();
                return u < p.width && v < p.height &&
                       p.rgba[(static_cast<std::size_t>(v) * p.width + u) * 4 + 3] >= 128;
            };
            int finLongue = 0;
            int finCourte = 0;
            int poing = longue->Height();
            for (int v = 0; v < longue->Height(); ++v) {
                for (int u = 0; u < longue->Width(); ++u) {
                    finLongue = opaque(*longue, u, v) ? v + 1 : finLongue;
                    finCourte = opaque(*courte, u, v) ? v + 1 : finCourte;
                    if (opaque(*main, u, v) && !opaque(*longue, u, v)) {
                        poing = std::min(poing, v);
                    }
                }
            }
            const float pivot = static_cast<float>((k == 0 ? b.front : b.back).pivot.y);
            const corps::Manches& m = corps::FinsDeManches[type][k];
            const std::string what = "type " + std::to_string(type) + " arm " + std::to_string(k);
            EXPECT_NEAR(m.longue, static_cast<float>(finLongue) - pivot, 1) << what;
            EXPECT_NEAR(m.courte, static_cast<float>(finCourte) - pivot, 1) << what;
            EXPECT_NEAR(m.poing, static_cast<float>(poing) - pivot, 1) << what;
        }
    }
}

TEST_F(PuppetTest, OneRestFrameIsDrawnBackToFront) {
    const auto fichier = [](const platform::DrawCommand& d) {
        return std::filesystem::path(platform::ToUtf8(d.image)).filename().string();
    };
    for (int type = 0; type < 9; ++type) {
        for (float sens : {1.0f, -1.0f}) {
            Commande c;
            c.type = type;
            c.sens = sens;
            c.chapeau = type % 4;
            c.uneMain = u"unemain_marteau_m";
            const auto p = Construit(c);
            graphics.BeginFrame(1280, 768);
            p->Dessine();
            p->DessineBrasAvant();
            std::vector<std::string> drawn;
            for (const auto& d : graphics.commands) {
                drawn.push_back(fichier(d));
            }
            const cat::BodyType& b = cat::kBodies[static_cast<std::size_t>(type)];
            const std::string s = b.suffix;
            const std::string jambe = cat::kLegs[static_cast<std::size_t>(b.legClass)].file;
            // Back arm behind the body, hat over the hair, the prop over the back arm and under
            // the front hand gripping it.
            const std::vector<std::string> expected = {
                "maing" + s + ".png",
                "brasg" + s + ".png",
                jambe,
                jambe,
                "buste" + s + ".png",
                "tete" + s + ".png",
                "cheveux" + s + ".png",
                cat::kHats[static_cast<std::size_t>(type % 4)].file,
                "visage" + s + "x.png",
                "marteau.png",
                "maind" + s + ".png",
                "brasd" + s + ".png"};
            EXPECT_EQ(drawn, expected) << type;
        }
    }
}

TEST_F(PuppetTest, AMissingPictureLeavesThePuppetWithoutThatPart) {
    // No sign is drawn for this text: one line names the file, once.
    platform::ResetWarnings();
    testing::internal::CaptureStderr();
    Commande c;
    c.deuxMains = u"pancarte";
    c.pancarte = u"zz";
    const auto p = Construit(c);
    const auto again = Construit(c);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("pancarte_zz.png"), std::string::npos);
    EXPECT_EQ(errors.find("pancarte_zz.png"), errors.rfind("pancarte_zz.png")) << errors;
    EXPECT_FALSE(p->objetDeuxMains->FirstImage());
    EXPECT_EQ(p->objetDeuxMains->Width(), 0);
    graphics.BeginFrame(1280, 768);
    p->Dessine();
    p->DessineBrasAvant();
    // Hands, arms, legs, torso, head, hair and face: everything but the sign.
    EXPECT_EQ(graphics.commands.size(), 10u);
}
