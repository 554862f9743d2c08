// The main game scene: its globals, construction with the praise, the create hook and the
// objects of one board.
//
// Index:
//   globals
//   construction and create hook
//   the objects of one board
//   lookups
#include "framework/frame_chain.h"
#include "framework/playfield.h"
#include "game/main_scene.h"
#include "gui/button_variants.h"
#include "gui/image_widget.h"
#include "gui/message_box.h"
#include "gui/shapes.h"
#include "gui/text_field.h"
#include "platform/diag.h"
#include "platform/input.h"
#include "puppets/bmp_file.h"
#include "puppets/decor_playfields.h"
#include "puppets/terrain_playfield.h"
#include "sentence/vocabulary.h"

// --- globals ---

std::shared_ptr<iEngineSceneGlobale> engine1;
int reponsesdesuite = 0;

void ResetMainSceneGlobals() {
    engine1.reset();
    reponsesdesuite = 0;
}

// --- construction and create hook ---

iEngineSceneGlobale::iEngineSceneGlobale() {
    messagesSerie = {u"Encore gagné\u00a0!",
                     u"Encore réussi\u00a0!",
                     u"Et x bonnes réponses à la suite\u00a0!",
                     u"Et x de suite, bravo\u00a0!",
                     u"Ça fait x bonnes réponses d'affilée\u00a0!",
                     u"Ça fait x bonnes réponses de suite\u00a0!"};
    messagesBravo = {u"Et voilà\u00a0!",
                     u"Bravo\u00a0!",
                     u"Superbe\u00a0!",
                     u"C'était bien ça\u00a0!",
                     u"C'est plutôt bien joué\u00a0!",
                     u"Félicitations\u00a0!",
                     u"Oui, c'était ça\u00a0!",
                     u"Tout est juste\u00a0!",
                     u"Correct\u00a0!",
                     u"Ça semble juste\u00a0!",
                     u"Tout juste\u00a0!",
                     u"OK\u00a0!"};
}

std::shared_ptr<iEngineSceneGlobale> iEngineSceneGlobale::Create() {
    Set();
    OnCreate();
    return SelfAs<iEngineSceneGlobale>();
}

iPlayfield* iEngineSceneGlobale::BackgroundPlayfield() { return fond.get(); }

int iEngineSceneGlobale::OnCreate() {
    platform::Print(u"//////////////////ON CREE UNE SCENE GLOBALE ////////////////////");
    imageBoutonOk = platform::LoadImage(u"boutonok.png");
    imageBoutonAnnuler = platform::LoadImage(u"boutonundo.png");
    platform::ResetInput();
    preAnimation = terrainsApparus = etiquettesApparues = 0;
    etiquettes = ListeEtiquettes(Quatre);
    structures = std::vector<StructureAction>(Quatre);
    for (auto& slot : slots) {
        slot = std::make_shared<SlotPlayfield>()->New();
    }
    AlloueObjets();
    FabriqueTableau();
    return 0;
}

// --- the objects of one board ---

namespace {

template <class T> std::shared_ptr<T> Nouveau() {
    auto object = std::make_shared<T>();
    object->New();
    return object;
}

// A terrain with its four puppets and its control bar, made while the scene is current so that
// they take its frame count.
std::shared_ptr<iPlayFieldTerrainAction> NouveauTerrain() {
    auto t = std::make_shared<iPlayFieldTerrainAction>();
    t->New();
    for (auto& p : t->persos) {
        p = std::make_shared<Pantin>();
    }
    for (auto* bouton :
         {&t->bouton, &t->boutonAvance, &t->boutonRecule, &t->boutonPause, &t->boutonLecture,
          &t->boutonClip, &t->boutonCache, &t->boutonSansImage, &t->boutonPhoto}) {
        *bouton = Nouveau<iGuiButton2>();
    }
    return t;
}

std::shared_ptr<iGuiEtiquette> NouvelleEtiquette() {
    auto tag = Nouveau<iGuiEtiquette>();
    tag->legende = Nouveau<iGuiTextField>();
    return tag;
}

std::shared_ptr<MessageBox> NouvelleBoite(bool deuxBoutons) {
    auto box = Nouveau<MessageBox>();
    box->bouton1 = Nouveau<iGuiButton2>();
    if (deuxBoutons) {
        box->bouton2 = Nouveau<iGuiButton2>();
    }
    box->titre = Nouveau<iGuiTextField>();
    box->message = Nouveau<iGuiTextField>();
    return box;
}

} // namespace

int iEngineSceneGlobale::AlloueObjets() {
    fond = std::make_shared<iPlayfieldFond>();
    fond->New();
    auto decor = std::make_shared<iPlayfieldDecore>();
    decor->New();
    playfieldPrincipal = decor;
    rectangleFondu = Nouveau<iGuiRectangle>();
    rectangleSelection = Nouveau<RectangleSelection>();
    terrains = {};
    for (int i = 0; i <= nombredanimations && i < Quatre; ++i) {
        terrains[static_cast<std::size_t>(i)] = NouveauTerrain();
    }
    if (modedejeu == 3) {
        terrains[0]->boutonRecharge = Nouveau<iGuiButton2>();
    }
    boutonOk = Nouveau<iGuiButton2>();
    boutonSansImages = Nouveau<iGuiButton2>();
    boutonAnnuler.reset();
    if (nombredephrases > nombredanimations) {
        boutonAnnuler = Nouveau<iGuiButton2>();
    }
    if (modedejeu == 3) {
        boutonOk->Deactivate();
    }
    etiquettes.assign(Quatre, nullptr);
    for (int i = 0; i <= nombredephrases && i < Quatre; ++i) {
        etiquettes[static_cast<std::size_t>(i)] = NouvelleEtiquette();
    }
    boiteBravo = NouvelleBoite(false);
    boiteQuitter = NouvelleBoite(true);
    boiteChangerTableau = NouvelleBoite(true);
    boiteEchec = NouvelleBoite(false);
    playfieldEchec = std::make_shared<iPlayfield>();
    playfieldEchec->New();
    capture = std::make_shared<BmpFile>();
    return 0;
}

void iEngineSceneGlobale::CompleteObjets() {
    for (int i = 0; i <= nombredanimations && i < Quatre; ++i) {
        if (!terrains[static_cast<std::size_t>(i)]) {
            terrains[static_cast<std::size_t>(i)] = NouveauTerrain();
        }
    }
    if (static_cast<int>(etiquettes.size()) < Quatre) {
        etiquettes.resize(Quatre);
    }
    for (int i = 0; i <= nombredephrases && i < Quatre; ++i) {
        if (!etiquettes[static_cast<std::size_t>(i)]) {
            etiquettes[static_cast<std::size_t>(i)] = NouvelleEtiquette();
        }
    }
    if (nombredephrases > nombredanimations && !boutonAnnuler) {
        boutonAnnuler = Nouveau<iGuiButton2>();
    }
}

// --- lookups ---

iGuiEtiquette* iEngineSceneGlobale::Etiquette(int i) const {
    if (i < 0 || i >= static_cast<int>(etiquettes.size()) || i > nombredephrases) {
        return nullptr;
    }
    return etiquettes[static_cast<std::size_t>(i)].get();
}

iPlayFieldTerrainAction* iEngineSceneGlobale::Terrain(int i) const {
    if (i < 0 || i >= Quatre || i > nombredanimations) {
        return nullptr;
    }
    return terrains[static_cast<std::size_t>(i)].get();
}

int iEngineSceneGlobale::TerrainBarreComplete() const {
    if (nombredanimations <= 0) {
        return -1;
    }
    return nombredanimations == 1 ? 1 : 2;
}
