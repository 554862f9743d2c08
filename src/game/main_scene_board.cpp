// Building one board, in the order its random draws follow:
//
//   1. The sentences: a board of the sentence engine, or the child's own sentence
//   2. Which terrain acts which sentence, where each card starts
//   3. The terrains: dressed, staged, laid out in the grid
//   4. The canvas: veil, card places, drop places, buttons, band and bin
//   5. The sentence cards, the terrains' sentences and the message boxes
//   6. The word-order cards, the selection band and the first view
#include "framework/shared_assets.h"
#include "game/animation_start.h"
#include "game/main_scene.h"
#include "gui/button_variants.h"
#include "gui/image_widget.h"
#include "gui/message_box.h"
#include "gui/shapes.h"
#include "gui/text_field.h"
#include "platform/app.h"
#include "platform/diag.h"
#include "platform/input.h"
#include "puppets/decor_playfields.h"
#include "puppets/terrain_playfield.h"
#include "sentence/lexicon.h"
#include "sentence/vocabulary.h"

namespace {

constexpr float Toile = 1280;
constexpr float ToileH = 768;
constexpr float BoutonsY = iEngineSceneGlobale::BoutonsY;
constexpr float EcartAnnuler = iEngineSceneGlobale::EcartAnnuler;
constexpr float LargeurLegende = 595;
// The writing of a sentence card, inside its rim: three lines of the largest print size.
constexpr float HauteurLegende = 155;
// The throw-away band across the foot of the canvas: a surplus card let go below its top goes
// to the bin. (Named apart from the sentence frame's row, which the scene inherits.)
constexpr float BandePoubelleY = 618;
// Below the control bar of a terrain that fills the canvas.
constexpr float SousLaBarre = 72;
constexpr float PoubelleX = 1156;
constexpr float PoubelleY = 604;
const char16_t* const TitreBoites = u"Un message de MirelvanQuibs";

bool EstPerso(const String& mot) { return platform::StartsWith(mot, u"perso"); }

std::shared_ptr<iGuiImage> ImageSurToile(const platform::ImagePtr& picture, float x, float y,
                                         const std::shared_ptr<iPlayfield>& toile) {
    auto widget = std::make_shared<iGuiImage>();
    widget->New();
    widget->SetPlayfield(toile);
    widget->SetImage(picture);
    widget->SetPosition(x, y);
    widget->Deactivate();
    return widget;
}

void PoseBouton(iGuiButton2& bouton, const platform::ImagePtr& image, float x, float y) {
    bouton.SetImage(image);
    bouton.SetColor(255, 255, 255);
    bouton.SetMouseOverColor(255, 255, 255);
    bouton.MidHandle();
    bouton.x = bouton.baseX = x;
    bouton.baseWidth = bouton.Width();
    bouton.y = y;
}

} // namespace

void iEngineSceneGlobale::FabriqueTableau() {
    preAnimation = terrainsApparus = etiquettesApparues = 0;
    tableauAnnonce = false;
    platform::ResetInput();
    for (int i = 0; i <= nombredanimations && i < Quatre; ++i) {
        structures[static_cast<std::size_t>(i)].NombrePersos = 0;
        for (auto& p : terrains[static_cast<std::size_t>(i)]->persos) {
            if (p) {
                p->Reinitialise();
            }
        }
    }

    // 1. The sentences.
    if (modedejeu == 3) {
        nombredephrases = 0;
        nombredanimations = 0;
        StructureAction& s = structures[0];
        s = structureChoisie ? *structureChoisie : StructureAction();
        // The child's sentence always begins with a person.
        s.NombrePersos = EstPerso(s.GroupeNominal1) ? 1 : 0;
        for (const String* role : {&s.GroupeNominal2, &s.ObjetComplement1, &s.ObjetComplement2}) {
            s.NombrePersos += EstPerso(*role) ? 1 : 0;
        }
        phrases[0] = phraseChoisie;
        tousLesTerrains = false;
    } else {
        TireSynonymes();
        HasardStructuresEtPhrases();
        // A board the options made smaller than asked for, and the next one back to full size.
        CompleteObjets();
        tousLesTerrains = modedejeu == 0;
    }
    const int na = nombredanimations;
    const int np = nombredephrases;
    fond->AddToEngine(*this);
    fond->FixeCouleur(false, 211, 227, 126);
    derniereSaisie = Aucune;
    numter = 0;

    // 2. Who acts what, where the cards start.
    ordreTerrains.resize(static_cast<std::size_t>(na) + 1);
    terrainDePhrase.resize(static_cast<std::size_t>(na) + 1);
    ordreEtiquettes.resize(static_cast<std::size_t>(np) + 1);
    if (modedejeu == 3) {
        ordreTerrains.assign(ordreTerrains.size(), 0);
        ordreEtiquettes.assign(ordreEtiquettes.size(), 0);
    } else {
        MelangeEntiers(ordreTerrains);
        MelangeEntiers(ordreEtiquettes);
    }
    ordreEtiquettes.resize(Quatre, Aucune);
    for (int t = 0; t <= na; ++t) {
        terrainDePhrase[static_cast<std::size_t>(ordreTerrains[static_cast<std::size_t>(t)])] = t;
    }
    etiquettesDesPlaces = ordreEtiquettes;

    // 3. The terrains.
    for (int t = 0; t <= na; ++t) {
        const auto& terrain = terrains[static_cast<std::size_t>(t)];
        const StructureAction& s =
            structures[static_cast<std::size_t>(ordreTerrains[static_cast<std::size_t>(t)])];
        HabilleLesPersos(terrain->persos, &s);
        terrain->sousLesBoutons = SousLesBoutons(t);
        FabriqueTerrain(t, terrain, s);
    }
    DisposeTerrains();
    const int demiL = platform::DeviceWidth() / 2;
    const int demiH = platform::DeviceHeight() / 2;
    for (int t = 0; t <= na; ++t) {
        iPlayFieldTerrainAction& terrain = *terrains[static_cast<std::size_t>(t)];
        if (modedejeu == 0) {
            terrain.enVignette = 1;
            terrain.x = terrain.xRepos;
            terrain.y = terrain.yRepos;
            terrain.boutonPhoto->Deactivate();
        }
        terrain.AnimePersos();
        terrain.VisePersos();
        terrain.viewportWidth = demiL;
        terrain.viewportHeight = demiH;
        terrain.SetVirtualSize(1280, 768, false);
    }

    // 4. The canvas, drawn over the terrains.
    iPlayfield& toile = *playfieldPrincipal;
    toile.AddToEngine(*this);
    toile.DisableClear();
    toile.SetVirtualSize(1280, 768, true);
    rectangleFondu->SetPlayfield(playfieldPrincipal);
    rectangleFondu->SetPosition(0, 0);
    rectangleFondu->SetWidth(Toile);
    rectangleFondu->SetHeight(ToileH);
    rectangleFondu->SetColor(0, 0, 0);
    rectangleFondu->alpha = 0;
    rectangleFondu->Deactivate();
    boutonSansImages->SetPlayfield(playfieldPrincipal);

    const int w = imgrectrep ? imgrectrep->Width() : 0;
    const int h = imgrectrep ? imgrectrep->Height() : 0;
    const float demiW = static_cast<float>(w / 2);
    const float demiHt = static_cast<float>(h / 2);
    // The upper cards stay clear of the control bar the child needs: outside the grid of the
    // matching game the one terrain fills the canvas, its bar along the canvas's top right.
    const bool terrainPlein = modedejeu != 0;
    const float haut = terrainPlein ? SousLaBarre : 36;
    if (np > 0) {
        etiquettesX[0] = demiW + 8;
        etiquettesY[0] = demiHt + haut;
    } else if (terrainPlein) {
        // One card: at the top left, left of the bar.
        etiquettesX[0] = demiW + 8;
        etiquettesY[0] = demiHt + 16;
    } else {
        etiquettesX[0] = Toile * 0.25f + demiW;
        etiquettesY[0] = demiHt + 16;
    }
    etiquettesX[1] = Toile * 0.5f + demiW + 8;
    etiquettesY[1] = ToileH * 0.5f + demiHt + 36;
    etiquettesX[2] = Toile * 0.5f + demiW + 8;
    etiquettesY[2] = demiHt + haut;
    etiquettesX[3] = demiW + 8;
    etiquettesY[3] = ToileH * 0.5f + demiHt + 36;
    etiquettesX[4] = etiquettesY[4] = etiquettesX[5] = etiquettesY[5] = 0;
    for (int p = 0; p < Quatre; ++p) {
        slots[static_cast<std::size_t>(p)]->Quadrant(p, Toile, ToileH);
    }

    boutonOk->SetPlayfield(playfieldPrincipal);
    float d = 0;
    if (np > na) {
        boutonAnnuler->SetPlayfield(playfieldPrincipal);
        PoseBouton(*boutonAnnuler, imageBoutonAnnuler, Toile * 0.5f - EcartAnnuler, BoutonsY);
        d = EcartAnnuler;
    }
    PoseBouton(*boutonOk, imageBoutonOk, Toile * 0.5f + d, BoutonsY);
    boutonSansImages->SetImage(imgboutonnopic);
    boutonSansImages->x = boutonSansImages->baseX = Toile - 62;
    boutonSansImages->baseWidth = boutonSansImages->Width();
    boutonSansImages->y = ToileH - 62;

    etiquettes.resize(static_cast<std::size_t>(np) + 1);
    imageCadre = platform::LoadImageFrames(u"cadresphraseauchoix.png", 1280, 160, 2);
    imageCadreFond = platform::LoadImage(u"cadresphraseauchoixfond.png");
    imagePoubelle = platform::LoadImageFrames(u"poubelle.png", 124, 164, 2);
    cadreFond = ImageSurToile(imageCadreFond, 0, BandePoubelleY, playfieldPrincipal);
    cadre = ImageSurToile(imageCadre, cadreFond->x, BandePoubelleY, playfieldPrincipal);
    poubelle = ImageSurToile(imagePoubelle, PoubelleX, PoubelleY, playfieldPrincipal);

    // 5. The sentence cards: the card of sentence s starts on the place that drew it.
    for (int p = 0; p <= np; ++p) {
        const int s = ordreEtiquettes[static_cast<std::size_t>(p)];
        iGuiEtiquette& tag = *etiquettes[static_cast<std::size_t>(s)];
        tag.SetPlayfield(playfieldPrincipal);
        tag.Initialise(imgrectrep, p, etiquettesX[static_cast<std::size_t>(p)],
                       etiquettesY[static_cast<std::size_t>(p)], 255, 255, 255, true);
        tag.numero = p;
        slots[static_cast<std::size_t>(p)]->numero = p;
        slots[static_cast<std::size_t>(p)]->occupe = true;
        tag.echelle = 1.0f;
        tag.legende->SetPlayfield(playfieldPrincipal);
        tag.PrepareLegende(fontoregano48, phrases[static_cast<std::size_t>(s)], 0, 0,
                           LargeurLegende);
        tag.CacheAvecLegende();
        tag.verrouillee = false;
    }
    nombreetiqact = np;
    // Joins the scene's playfields, over all the others, only while its box shows.
    playfieldEchec->DisableClear();
    boiteEchec->Create(Toile, ToileH, false, playfieldEchec, u"message.png", fontoregano48,
                       TitreBoites, u"OK", u"");
    for (MessageBox* box : {boiteBravo.get(), boiteQuitter.get(), boiteChangerTableau.get()}) {
        const bool deux = box != boiteBravo.get();
        box->Create(Toile, ToileH, deux, playfieldPrincipal, u"message.png", fontoregano48,
                    TitreBoites, deux ? u"OK" : u"Suite", deux ? u"Annuler" : u"");
        // Over every card, whatever depth a drag left the cards at.
        for (iGraph* partie :
             {static_cast<iGraph*>(box), static_cast<iGraph*>(box->titre.get()),
              static_cast<iGraph*>(box->message.get()), static_cast<iGraph*>(box->bouton1.get()),
              static_cast<iGraph*>(box->bouton2.get())}) {
            if (partie) {
                partie->z = -1;
            }
        }
    }
    boutonSansImages->Deactivate();

    // 6. The word-order cards, then each terrain's sentence as its card shows it (the
    // word-order card shows the sentence without its markup); a terrain whose sentence has no
    // card keeps the sentence it acts.
    if (modedejeu == 2) {
        PrepareMotsEnVrac();
    }
    EcritLesCartesEnUneTaille();
    for (int t = 0; t <= na; ++t) {
        const int s = ordreTerrains[static_cast<std::size_t>(t)];
        const iGuiEtiquette* tag = Etiquette(s);
        terrains[static_cast<std::size_t>(t)]->phrase =
            tag ? tag->legende->GetText() : phrases[static_cast<std::size_t>(s)];
    }
    rectangleSelection->SetPlayfield(playfieldPrincipal);
    rectangleSelection->SetPosition(0, 0);
    rectangleSelection->SetWidth(0);
    rectangleSelection->SetHeight(0);
    rectangleSelection->SetColor(80, 250, 50);
    rectangleSelection->alpha = 0.2f;
    rectangleSelection->Deactivate();
    if (modedejeu != 0) {
        AnimeTerrains(0);
    }
}

void iEngineSceneGlobale::EcritLesCartesEnUneTaille() {
    std::vector<String> textes;
    for (int p = 0; p <= nombredephrases; ++p) {
        if (const iGuiEtiquette* tag = Etiquette(p)) {
            textes.push_back(tag->legende->GetText());
        }
    }
    // One print size for the whole board: a card in smaller print would stand out from the
    // others, and give its answer away.
    const auto police =
        PoliceCommune(policesDesCartes.empty() ? std::vector{fontoregano48, fontoregano30}
                                               : policesDesCartes,
                      textes, LargeurLegende, HauteurLegende);
    for (int p = 0; p <= nombredephrases; ++p) {
        if (iGuiEtiquette* tag = Etiquette(p)) {
            tag->EcritLegendeEn(police);
            // Centred on the card from the start, as every later move keeps it.
            tag->legende->MidHandle();
            tag->PlaceLegende();
            tag->legende->SetPositionRelative(0, 0, *tag);
        }
    }
}
