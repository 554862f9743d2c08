// The gallery, frame by frame: the puppet, the back button, the touch (a picture, a name plate,
// or a place to walk to), the scrolling of the room, the enlarged picture or the sentence card,
// Escape and the arrow keys.
#include <algorithm>

#include "framework/frame_chain.h"
#include "framework/shared_assets.h"
#include "gui/button_variants.h"
#include "gui/text_field.h"
#include "gui/word_tag.h"
#include "platform/audio.h"
#include "platform/diag.h"
#include "platform/input.h"
#include "screens/gallery_screen.h"
#include "screens/hub_screen.h"
#include "screens/menu_screen.h"
#include "screens/profiles_screen.h"

namespace {

constexpr int Escape = 27;
constexpr int FlecheGauche = 37;
constexpr int FlecheDroite = 39;
// A touch this close to an edge of the view walks the puppet toward the next page.
constexpr float BordDefilement = 200;
// How far one scroll carries the camera.
constexpr float LongueurDefilement = 750;
// The camera follows only while the puppet is within this distance of its target.
constexpr float AvanceSurCible = 900;
constexpr float PasClavier = 10;

} // namespace

int iEngineGalerie::OnUpdate() {
    Pantin* perso = galerie->persos.empty() ? nullptr : galerie->persos[0].get();
    if (!perso) {
        return 0;
    }
    if (perso->action1 == CodeAction::Aucune) {
        perso->Repos(perso->xArrivee);
    }
    galerie->AnimePersos();
    // Back where the child opened the gallery, the list as it was left.
    if (galerie->bouton && galerie->bouton->Clicked(false) && ecranprofils) {
        AnnonceEcran(ecranprofils);
        SwitchScene(ecranprofils);
    }
    const float camera = galerie->cameraX;
    Toucher();
    Defilement();
    MontreLegendeOuImage();
    if (platform::KeyHits(Escape) > 0) {
        VaVersEcranAnnonce(ecranintro);
    }
    Clavier();
    AnnonceCamera(camera);
    return 0;
}

void iEngineGalerie::AnnonceCamera(float avant) {
    if (galerie->cameraX != avant) {
        cameraEnMouvement = true;
    } else if (cameraEnMouvement) {
        cameraEnMouvement = false;
        platform::Print(u"vue " + platform::Str(static_cast<int>(galerie->cameraX)));
    }
}

int iEngineGalerie::NombreDeTableaux() const {
    return galerie ? static_cast<int>(galerie->tableaux.size()) : 0;
}

void iEngineGalerie::Toucher() {
    if (!platform::TouchDown(0)) {
        marche = 0;
        return;
    }
    Pantin& perso = *galerie->persos[0];
    toucheX = galerie->MouseX();
    toucheY = galerie->MouseY();
    const float camera = galerie->cameraX;
    if (marche == 0) {
        if (galerie->numeroAgrandi == 0 && galerie->numeroLegende == 0) {
            pressionFermante = false;
            ToucheTableaux();
            if (!touche) {
                MarcheVers(toucheX);
                defileDroite = defileGauche = false;
                compteurDefilement = 0;
            }
        } else {
            // This press only closes what is open.
            FermeTout();
            pressionFermante = true;
        }
    } else if (!touche && !pressionFermante) {
        // A finger held near the edge keeps leading the puppet on.
        if (perso.sens == 1.0f && marche == 1 && toucheX > camera + CanvasWidth - BordDefilement) {
            perso.xArrivee = std::clamp(toucheX, 0.0f, LargeurPiece());
        }
        if (perso.sens == -1.0f && marche == 2 && toucheX < camera + BordDefilement) {
            perso.xArrivee = std::clamp(toucheX, 0.0f, LargeurPiece());
        }
    }
    if (touche || galerie->numeroAgrandi > 0 || galerie->numeroLegende > 0 || pressionFermante) {
        return;
    }
    const bool versLaDroite = perso.sens == 1.0f && marche == 1;
    const bool versLaGauche = perso.sens == -1.0f && marche == 2;
    if ((toucheX > camera + CanvasWidth - BordDefilement && !versLaGauche) || versLaDroite) {
        defileDroite = true;
        defileGauche = false;
        marche = 1;
    } else if ((toucheX < camera + BordDefilement && !versLaDroite) || versLaGauche) {
        defileGauche = true;
        defileDroite = false;
        marche = 2;
    } else {
        marche = 3;
    }
}

void iEngineGalerie::ToucheTableaux() {
    const auto dedans = [](float v, float debut, float taille) {
        return debut < v && v < debut + taille;
    };
    const auto choisi = [this](int& numero, int i) {
        touche = true;
        numero = i;
        platform::PlaySound(sonpop1, 0);
        platform::ResetInput();
    };
    // Every picture is tried; a later one wins.
    for (int i = 1; i <= NombreDeTableaux(); ++i) {
        const Tableau& t = *galerie->tableaux[static_cast<std::size_t>(i) - 1];
        if (dedans(toucheX, t.sprite->x, t.largeur) && dedans(toucheY, t.sprite->y, t.hauteur)) {
            choisi(galerie->numeroAgrandi, i);
        }
        if (dedans(toucheX, t.etiquetteX, t.etiquetteLargeur) &&
            dedans(toucheY, t.etiquetteY, t.etiquetteHauteur)) {
            choisi(galerie->numeroLegende, i);
        }
    }
}

float iEngineGalerie::LargeurPiece() const {
    return static_cast<float>(galerie->nombreDePages * CanvasWidth);
}

void iEngineGalerie::MarcheVers(float x) {
    Pantin& perso = *galerie->persos[0];
    if (!perso.buste) {
        return;
    }
    // A touch in the margins around the canvas stops at the room's ends.
    perso.xArrivee = std::clamp(x, 0.0f, LargeurPiece());
    perso.xDepart = perso.buste->x;
    perso.sens = perso.xDepart <= perso.xArrivee ? 1.0f : -1.0f;
    perso.sensTete = perso.sens;
    for (auto* partie :
         {perso.brasDroit.get(), perso.brasGauche.get(), perso.jambe1.get(), perso.jambe2.get()}) {
        if (partie) {
            partie->rotation = 0;
        }
    }
    perso.marcheCommencee = false;
    perso.phaseMarche = false;
    perso.marcheFinie = false;
    perso.arrive = false;
    perso.action1 = CodeAction::Marcher;
}

void iEngineGalerie::Defilement() {
    const Pantin& perso = *galerie->persos[0];
    if (!perso.buste) {
        return;
    }
    const float s = perso.vitesse;
    float& camera = galerie->cameraX;
    const float derniere = LargeurPiece() - CanvasWidth;
    if (defileDroite) {
        if (compteurDefilement < LongueurDefilement && camera <= derniere) {
            if (perso.xArrivee - AvanceSurCible < perso.buste->x) {
                camera += s + 0.2f;
                compteurDefilement += s + 0.2f;
            }
        } else {
            defileDroite = false;
            compteurDefilement = 0;
        }
    }
    if (defileGauche) {
        if (compteurDefilement < LongueurDefilement && camera >= 0) {
            if (perso.buste->x < perso.xArrivee + AvanceSurCible) {
                camera -= s + 0.2f;
                compteurDefilement += s - 0.2f;
            }
        } else {
            defileGauche = false;
            compteurDefilement = 0;
        }
    }
    BorneCamera();
}

void iEngineGalerie::MontreLegendeOuImage() {
    if (!touche) {
        return;
    }
    touche = false;
    const int n = NombreDeTableaux();
    if (galerie->numeroAgrandi > 0 && galerie->numeroAgrandi <= n) {
        galerie->imageAgrandie =
            galerie->tableaux[static_cast<std::size_t>(galerie->numeroAgrandi) - 1]
                ->sprite->FirstImage();
        return;
    }
    iGuiEtiquette& carte = *galerie->legende;
    if (galerie->numeroLegende <= 0 || galerie->numeroLegende > n || texte.empty() ||
        !carte.legende || !fontoregano48) {
        return;
    }
    const Tableau& t = *galerie->tableaux[static_cast<std::size_t>(galerie->numeroLegende) - 1];
    const String phrase = TexteDessinable(*fontoregano48, PhraseDeCapture(texte, t.nom));
    if (platform::Trim(phrase).empty()) {
        return;
    }
    iGuiTextField& texteCarte = *carte.legende;
    carte.MontreAvecLegende();
    carte.x = CanvasWidth / 2;
    carte.y = CanvasHeight / 2;
    // Made to fit the card, then centred on it by its real line count.
    AjusteTexteCarte(texteCarte, phrase, carte.Height());
    texteCarte.MidHandle();
    texteCarte.x = carte.x;
    texteCarte.y = carte.y;
    galerie->legendeAffichee = true;
    platform::Print(u"carte : " + phrase);
}

void iEngineGalerie::FermeTout() {
    galerie->numeroAgrandi = 0;
    galerie->numeroLegende = 0;
    galerie->legendeAffichee = false;
    if (galerie->legende) {
        galerie->legende->CacheAvecLegende();
    }
    platform::ResetInput();
}

void iEngineGalerie::Clavier() {
    float& camera = galerie->cameraX;
    if (platform::KeyDown(FlecheDroite) && camera <= LargeurPiece() - CanvasWidth) {
        camera += PasClavier;
    }
    if (platform::KeyDown(FlecheGauche) && camera >= 0) {
        camera -= PasClavier;
    }
    BorneCamera();
}

void iEngineGalerie::BorneCamera() {
    galerie->cameraX = std::clamp(galerie->cameraX, 0.0f, LargeurPiece() - CanvasWidth);
}
