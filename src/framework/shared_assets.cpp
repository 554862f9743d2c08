// The shared assets and their loading sequence.
#include "framework/shared_assets.h"

#include <cstdint>
#include <vector>

#include "framework/bitmap_font.h"
#include "platform/clock.h"
#include "platform/random.h"

platform::ImagePtr imgboutonrwd;
platform::ImagePtr imgboutonrtn;
platform::ImagePtr imgboutonfwd;
platform::ImagePtr imgboutonclip;
platform::ImagePtr imgboutonplay;
platform::ImagePtr imgboutonpause;
platform::ImagePtr imgboutonreload;
platform::ImagePtr imgboutonphoto;
platform::ImagePtr imgboutonhide;
platform::ImagePtr imgboutonnopic;

std::shared_ptr<iBitmapFont> fontoregano48;
std::shared_ptr<iBitmapFont> fontoregano30;
std::shared_ptr<iBitmapFont> fontyesteryear21;
std::vector<std::shared_ptr<iBitmapFont>> policesDesCartes;

platform::SoundPtr sonpop1;
platform::SoundPtr sonclic1;
platform::SoundPtr sonclicclac;
platform::SoundPtr sonpfiou1;
platform::SoundPtr sonpfiou2;
platform::SoundPtr sonhit1;
platform::SoundPtr sonhit2;
platform::SoundPtr sonhit3;
platform::SoundPtr sonhit4;
platform::SoundPtr sonstep1a;
platform::SoundPtr sonstep1b;
platform::SoundPtr sonstep2a;
platform::SoundPtr sonstep2b;
platform::SoundPtr sonstep3a;
platform::SoundPtr sonstep3b;
platform::SoundPtr sonsqueak1;
platform::SoundPtr sonsqueak2;
platform::SoundPtr sonsqueak3;
platform::SoundPtr sonsqueak4;
platform::SoundPtr sonsqueak5;
platform::SoundPtr sonelephant1;
platform::SoundPtr sonelephant2;
platform::SoundPtr soncuisine;
platform::SoundPtr songuitare1;
platform::SoundPtr sonzzz;
platform::SoundPtr sonplop;

platform::ImagePtr imgcheckbox1;
platform::ImagePtr imgcheckbox2;
platform::ImagePtr imgrectrep;
platform::ImagePtr imgsol;
platform::ImagePtr imglogo;
std::array<platform::ImagePtr, 10> imgmeubles;

namespace {

bool loaded = false;

struct ImageSlot {
    platform::ImagePtr* global;
    const char16_t* file;
};

struct SoundSlot {
    platform::SoundPtr* global;
    const char16_t* file;
};

// Sizes of the decor pictures, so that a placeholder takes the same room as the real one.
struct DecorSize {
    int width;
    int height;
};
constexpr DecorSize FloorSize{1100, 80};
constexpr DecorSize FurnitureSizes[9] = {{281, 269}, {323, 524}, {447, 533}, {117, 373}, {206, 222},
                                         {177, 510}, {212, 248}, {100, 250}, {320, 252}};

// A flat light beige picture: plain, but it keeps the decor standing when a file is missing.
platform::ImagePtr Placeholder(DecorSize size, const String& name) {
    std::vector<std::uint8_t> rgba;
    rgba.reserve(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height) * 4);
    for (int i = 0; i < size.width * size.height; ++i) {
        rgba.insert(rgba.end(), {214, 200, 178, 255});
    }
    return platform::CreateImage(size.width, size.height, rgba, name);
}

platform::ImagePtr LoadOrPlaceholder(const String& file, DecorSize size) {
    auto image = platform::LoadImage(file, 1, 0);
    return image ? image : Placeholder(size, file);
}

} // namespace

void LoadSharedAssets() {
    if (loaded) {
        return;
    }
    loaded = true;

    // Every later draw of the hub and of the first decor comes from this seed.
    platform::SetSeed(platform::Milliseconds());
    for (int i = 0; i < 11; ++i) {
        platform::RandomFloat();
    }

    const ImageSlot controlBar[] = {
        {&imgboutonrwd, u"bouton_rwd.png"},       {&imgboutonrtn, u"bouton_rtn.png"},
        {&imgboutonfwd, u"bouton_fwd.png"},       {&imgboutonclip, u"bouton_clip.png"},
        {&imgboutonplay, u"bouton_play.png"},     {&imgboutonpause, u"bouton_pause.png"},
        {&imgboutonreload, u"bouton_reload.png"}, {&imgboutonphoto, u"bouton_photo.png"},
        {&imgboutonhide, u"bouton_hide.png"},     {&imgboutonnopic, u"bouton_nopic.png"}};
    for (const auto& slot : controlBar) {
        *slot.global = platform::LoadImage(slot.file, 1, 0);
    }

    fontoregano48 = iBitmapFont::New(u"fonts_oregano_48.txt");
    fontoregano30 = iBitmapFont::New(u"fonts_oregano_30.txt");
    fontyesteryear21 = iBitmapFont::New(u"fonts_yesteryear_21.txt");
    policesDesCartes = {fontoregano48};
    for (const char16_t* step : {u"fonts_oregano_45.txt", u"fonts_oregano_42.txt",
                                 u"fonts_oregano_39.txt", u"fonts_oregano_36.txt",
                                 u"fonts_oregano_33.txt"}) {
        policesDesCartes.push_back(iBitmapFont::New(step));
    }
    policesDesCartes.push_back(fontoregano30);

    const SoundSlot sounds[] = {{&sonpop1, u"pop1.wav"},
                                {&sonclic1, u"clic1.wav"},
                                {&sonclicclac, u"clicclacmercikodak.wav"},
                                {&sonpfiou1, u"pfiou1.wav"},
                                {&sonpfiou2, u"pfiou2.wav"},
                                {&sonhit1, u"hit1.wav"},
                                {&sonhit2, u"hit2.wav"},
                                {&sonhit3, u"hit3.wav"},
                                {&sonhit4, u"hit4.wav"},
                                {&sonstep1a, u"step1a.wav"},
                                {&sonstep1b, u"step1b.wav"},
                                {&sonstep2a, u"step2a.wav"},
                                {&sonstep2b, u"step2b.wav"},
                                {&sonstep3a, u"step3a.wav"},
                                {&sonstep3b, u"step3b.wav"},
                                {&sonsqueak1, u"squeak1.wav"},
                                {&sonsqueak2, u"squeak2.wav"},
                                {&sonsqueak3, u"squeak3.wav"},
                                {&sonsqueak4, u"squeak4.wav"},
                                {&sonsqueak5, u"squeak5.wav"},
                                {&sonelephant1, u"elephant_stomp.wav"},
                                {&sonelephant2, u"elephant_stomp2.wav"},
                                {&soncuisine, u"cuisine.wav"},
                                {&songuitare1, u"guitare1.wav"},
                                {&sonzzz, u"zzz.wav"},
                                {&sonplop, u"plop.wav"}};
    for (const auto& slot : sounds) {
        *slot.global = platform::LoadSound(slot.file);
    }

    imgcheckbox1 = platform::LoadImage(u"boutoncheckbox1.png", 1, 0);
    imgcheckbox2 = platform::LoadImage(u"boutoncheckbox2.png", 1, 0);
    imgrectrep = platform::LoadImage(u"rectrep.png", 1, 0);
    // The decor hands the floor and the furniture to its sprites, which need a real picture.
    imgsol = LoadOrPlaceholder(u"sol.png", FloorSize);
    imglogo = platform::LoadImage(u"mirelvanquibs_logo.png", 1, 0);

    const String furniture[9] = {
        u"meuble_commode.png",       u"meuble_porte.png",    u"meuble_armoire.png",
        u"meuble_porte-manteau.png", u"meuble_gueridon.png", u"meuble_lampe.png",
        u"meuble_fenetre.png",       u"meuble_pendule.png",  u"meuble_tableau"};
    for (int i = 0; i < 9; ++i) {
        String file = furniture[i];
        // One painting out of ten for the whole run: the only draw of this step.
        if (platform::StartsWith(file, u"meuble_tableau")) {
            const int number = 1 + static_cast<int>(platform::RandomFloat(10));
            file += platform::Str(number) + u".png";
        }
        imgmeubles[static_cast<std::size_t>(i)] = LoadOrPlaceholder(file, FurnitureSizes[i]);
    }
}

bool SharedAssetsLoaded() { return loaded; }

void ResetSharedAssets() {
    loaded = false;
    for (auto* image :
         {&imgboutonrwd, &imgboutonrtn, &imgboutonfwd, &imgboutonclip, &imgboutonplay,
          &imgboutonpause, &imgboutonreload, &imgboutonphoto, &imgboutonhide, &imgboutonnopic,
          &imgcheckbox1, &imgcheckbox2, &imgrectrep, &imgsol, &imglogo}) {
        image->reset();
    }
    for (auto& image : imgmeubles) {
        image.reset();
    }
    fontoregano48.reset();
    fontoregano30.reset();
    fontyesteryear21.reset();
    policesDesCartes.clear();
    for (auto* sound :
         {&sonpop1,    &sonclic1,   &sonclicclac,  &sonpfiou1,    &sonpfiou2,  &sonhit1,
          &sonhit2,    &sonhit3,    &sonhit4,      &sonstep1a,    &sonstep1b,  &sonstep2a,
          &sonstep2b,  &sonstep3a,  &sonstep3b,    &sonsqueak1,   &sonsqueak2, &sonsqueak3,
          &sonsqueak4, &sonsqueak5, &sonelephant1, &sonelephant2, &soncuisine, &songuitare1,
          &sonzzz,     &sonplop}) {
        sound->reset();
    }
}
