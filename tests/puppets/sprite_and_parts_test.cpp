// Sprites, the part loaders, the puppet's record and posing, and the animals: frames that wrap,
// pictures that keep their own handles, loaders that cut frames as the body asks, the rest pose
// in both facings, the shrug, the building rules, and the animal walk.
#include <array>
#include <cmath>

#include "framework/shared_assets.h"
#include "platform/audio.h"
#include "puppet_fixture.h"

namespace {

platform::ImagePtr Picture(int w, int h, const String& name, int frames = 1) {
    return platform::CreateImage(w, h, std::vector<std::uint8_t>(std::size_t(w * h * 4), 255), name,
                                 frames);
}

// The picture and frame the device drew for the sprite.
std::pair<String, int> Drawn(platform::RecordingGraphics& graphics, const iSprite& sprite) {
    graphics.BeginFrame(100, 100);
    sprite.Draw();
    if (graphics.commands.empty()) {
        return {u"", -1};
    }
    return {graphics.commands.back().image, graphics.commands.back().frame};
}

} // namespace

TEST_F(PuppetTest, SpritesWrapTheirFramesAndKeepTheirOwnHandles) {
    iSprite s;
    EXPECT_EQ(Drawn(graphics, s).second, -1);
    EXPECT_EQ(s.Width(), 0);
    s.SetImage(Picture(60, 10, u"six", 6));
    s.frame = 7.5f;
    EXPECT_EQ(Drawn(graphics, s).second, 1);
    // A step counting down past the first frame comes back from the last.
    s.frame = -1;
    EXPECT_EQ(Drawn(graphics, s).second, 5);
    s.frame = 4;
    s.SetImage(Picture(40, 10, u"four", 4));
    EXPECT_FLOAT_EQ(s.frame, 4);
    EXPECT_EQ(Drawn(graphics, s).second, 0);

    s.SetImages({Picture(10, 10, u"a"), Picture(10, 10, u"b"), Picture(10, 10, u"c")});
    s.imageIndex = 4;
    EXPECT_EQ(s.Frame(), 1);
    EXPECT_EQ(Drawn(graphics, s).first, u"b");
    s.SetImage(Picture(100, 10, u"d"));
    EXPECT_EQ(s.Images().size(), 1u);
    s.flipX = -1;
    s.scaleX = 0.5f;
    EXPECT_FLOAT_EQ(s.Width(), 50);

    // One shared picture, two uses: each handle stays with its sprite.
    const auto shared = Picture(100, 200, u"meuble");
    iSprite decor, terrain;
    decor.SetImage(shared);
    terrain.SetImage(shared);
    decor.SetHandle(0, 180);
    EXPECT_FLOAT_EQ(decor.FirstImage()->HandleY(), 180);
    EXPECT_FLOAT_EQ(terrain.FirstImage()->HandleY(), 0);
    EXPECT_FLOAT_EQ(shared->HandleY(), 0);
    EXPECT_EQ(decor.FirstImage()->GetSurface(), shared->GetSurface());

    EXPECT_EQ((std::array{TaillePuissanceDeDeux(3), TaillePuissanceDeDeux(64),
                          TaillePuissanceDeDeux(2), TaillePuissanceDeDeux(9000)}),
              (std::array{4, 64, 2, 9000}));
}

TEST_F(PuppetTest, LoadersCutFramesAsTheBodyAsks) {
    Buste fish;
    fish.Charge(u"ventre_poisson.png", 120, 62, 0, 0, 0, 255, 255, 255, 220.0f, 181);
    EXPECT_EQ(fish.FirstImage()->Frames(), 6);
    fish.Charge(u"ventre_poisson.png", 120, 62, 0, 0, 0, 255, 255, 255, 219.9f, 181);
    EXPECT_EQ(fish.FirstImage()->Frames(), 1);

    Visage face;
    face.Charge(u"visage_fillex.png", 8, 0, 0, 0, 0, 0, 70, 64);
    EXPECT_EQ(face.FirstImage()->Width(), 128);
    EXPECT_EQ(face.FirstImage()->Height(), 64);
    EXPECT_NE(face.Frame(), 1);

    Chapeau hat;
    hat.Charge(-1.0f, u"chapeau2b.png", 80, 54, 1, 40, 30, 1, 0, 0, 0, 0, 60);
    EXPECT_FLOAT_EQ(hat.echelle, 0.75f);
    EXPECT_FLOAT_EQ(hat.largeur, 60);
    EXPECT_FLOAT_EQ(hat.ScaleX(), -0.75f);
    EXPECT_FLOAT_EQ(hat.ScaleY(), 0.75f);
    // The picture's own anchor stays in picture pixels; the fields give the drawn size.
    EXPECT_FLOAT_EQ(hat.FirstImage()->HandleX(), 40);
    EXPECT_FLOAT_EQ(hat.poigneeX, 30);

    Pantin p;
    p.buste = std::make_shared<Buste>();
    Membre leg;
    p.ChargePartie(leg, u"jambes_m.png", 70, 140, 2, 0, 0, 10, 20, 0, 0, 255, 255, 255, false);
    ASSERT_TRUE(leg.FirstImage());
    EXPECT_EQ(leg.FirstImage()->Width(), 128);
    EXPECT_EQ(leg.FirstImage()->Height(), 256);
    EXPECT_FLOAT_EQ(leg.largeur, 70);
    EXPECT_FLOAT_EQ(leg.reposY, 20);
}

TEST_F(PuppetTest, RestPoseShrugAndBuildingRules) {
    Pantin fresh;
    EXPECT_EQ(fresh.sens, -1.0f);
    EXPECT_EQ(fresh.sensTete, 1.0f);
    EXPECT_EQ(fresh.choix, (std::array<int, 5>{99, 99, 99, 99, 99}));

    Commande c;
    c.sens = -1;
    c.chapeau = 0;
    c.verbe1 = u"i_jouer de la musique";
    auto p = Construit(c);
    EXPECT_FLOAT_EQ(p->brasDroit->rotation, 20);
    EXPECT_FLOAT_EQ(p->brasGauche->rotation, 60);
    EXPECT_FLOAT_EQ(p->tete->rotation, -20);
    EXPECT_FLOAT_EQ(p->buste->ScaleX(), -1);
    EXPECT_FLOAT_EQ(p->chapeau->ScaleX(), -p->chapeau->echelle);

    // The shrug lifts the arms 1 + 2 + ... + 9 pixels while the head sinks, then comes back.
    const float rest = p->brasDroit->y;
    const float head = p->tete->y;
    p->monteeEpaules = 20;
    for (int i = 0; i < 9; ++i) {
        p->MonteeEpaules();
    }
    EXPECT_FLOAT_EQ(p->brasDroit->y, rest - 45);
    EXPECT_FLOAT_EQ(p->tete->y, head + 45);
    EXPECT_EQ(p->visage->Frame(), 5);
    for (int i = 0; i < 11; ++i) {
        p->MonteeEpaules();
    }
    EXPECT_FLOAT_EQ(p->brasDroit->y, rest);
    EXPECT_FLOAT_EQ(p->tete->y, head);
    EXPECT_EQ(p->visage->Frame(), 1);

    // The title screen's heads: any type, never the shrug's frames.
    for (int i = 0; i < 30; ++i) {
        Pantin tete;
        tete.FabriqueTete();
        ASSERT_TRUE(tete.tete && tete.tete->FirstImage() && tete.cheveux->FirstImage());
        EXPECT_NE(tete.visage->Frame() % 4, 1);
        EXPECT_LE(std::fabs(tete.tete->rotation), 9);
    }

    // A body type outside 0..8 builds type 0.
    c = Commande{};
    c.type = AucunChoix;
    c.verbe1 = u"p_lancer a";
    c.deuxMains = u"deuxmains_caisse_f";
    p = Construit(c);
    EXPECT_EQ(platform::StripAll(p->buste->FirstImage()->Name()), u"buste2");
    EXPECT_TRUE(p->etoiles[5]);
    EXPECT_GE(p->angleBras1, -150);
    EXPECT_LE(p->angleBras1, -45);
    c.verbe1 = u"odm_soulever";
    p = Construit(c);
    EXPECT_FALSE(p->etoilesActives);
    EXPECT_EQ(p->angleBras1, 0);

    // An offset of (0, 0) turns to angle 0 (plus the parent's rotation), never NaN.
    EXPECT_FLOAT_EQ(TourneDecalage(0, 0, 90, -1).angle, 90 * 0.017453292f);
    EXPECT_FLOAT_EQ(AtanDegres(1, 0), 90);

    // A colour word outside the nine leaves the colour alone.
    Couleur inchange{1, 2, 3};
    EXPECT_EQ(TireCouleur(u"orange", inchange), 99);
    EXPECT_EQ(inchange, (Couleur{1, 2, 3}));
}

TEST_F(PuppetTest, AnimalsWalkWithTheirStrideAndTheElephantStamps) {
    platform::RecordingAudio audio;
    platform::SetAudioDevice(&audio);
    sonelephant1 = std::make_shared<platform::Sound>();
    sonelephant1->name = u"stomp1";
    sonelephant2 = std::make_shared<platform::Sound>();
    sonelephant2->name = u"stomp2";

    Animal dog;
    dog.Fabrique(1280, 768, u"animal_inconnu_m", u"rouge");
    EXPECT_EQ(platform::StripAll(dog.ventre->FirstImage()->Name()), u"ventre_chien");
    EXPECT_GE(dog.couleur[0], 220);
    EXPECT_EQ(dog.couleur[1], dog.couleur[2]);
    // A walk to the left takes its first step to the right.
    dog.Marche(600, 100, 1);
    EXPECT_FLOAT_EQ(dog.ventre->x, 604);
    dog.Marche(600, 100, 1);
    EXPECT_FLOAT_EQ(dog.ventre->x, 600);

    Animal elephant;
    elephant.Fabrique(1280, 768, u"animal_elephant_m", u"");
    int steps = 0;
    int stamps = 0;
    while (!elephant.arrive && steps < 1000) {
        elephant.Marche(0, 1480, 1);
        ++steps;
        stamps += elephant.bruitDePas;
        if (steps == 1) {
            EXPECT_FLOAT_EQ(elephant.ventre->x, 4);
        }
    }
    EXPECT_FLOAT_EQ(elephant.ventre->x, 1480);
    EXPECT_EQ(steps, 370);
    // Stride of the elephant: legs 40 apart, a stamp at the end of every half stride.
    EXPECT_EQ(stamps, 370 / 40);
    int onSix = 0, onSeven = 0;
    for (const auto& e : audio.events) {
        onSix += e.channel == 6 && e.sound == u"stomp1";
        onSeven += e.channel == 7 && e.sound == u"stomp2";
    }
    EXPECT_EQ(onSix + onSeven, stamps);
    EXPECT_GE(onSeven, 1);

    Animal fish;
    fish.Fabrique(1280, 768, u"animal_poisson_m", u"");
    std::vector<int> frames;
    for (int i = 0; i < 8; ++i) {
        clock.Advance(146);
        fish.Marche(0, 1480, 1);
        frames.push_back(fish.ventre->Frame());
        EXPECT_EQ(fish.visage->Frame(), fish.ventre->Frame());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 0, 1, 2}));
    platform::SetAudioDevice(nullptr);
    sonelephant1.reset();
    sonelephant2.reset();
}
