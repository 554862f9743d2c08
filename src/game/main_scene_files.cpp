// What the game leaves for the adult who follows the child: the board's sentences appended to
// the export file of the game folder, and each photo of a terrain saved as a picture in the
// profile folder with its sentence in the captures list "phrases.txt".
//
// A file that cannot be written is reported on the error output, and on the screen for the
// adult who pressed the button; the game goes on and writes nothing else for it.
#include "framework/frame_chain.h"
#include "game/main_scene.h"
#include "gui/text_field.h"
#include "platform/clock.h"
#include "platform/diag.h"
#include "platform/files.h"
#include "puppets/terrain_playfield.h"
#include "sentence/vocabulary.h"

namespace {

const char16_t* const FichierExport = u"mirelvanquibs_phrases.txt";
const char16_t* const ListeDesPhotos = u"phrases.txt";
const char16_t* const PrefixeCapture = u"mirelvanquibs_capture_";

String DeuxChiffres(int n) {
    const String s = platform::Str(n);
    return s.size() == 1 ? u"0" + s : s;
}

// Appends the text; false, with an error line, when the file cannot take it.
bool Ajoute(const String& chemin, const String& texte) {
    auto fichier = platform::FileStream::Open(chemin, u"a");
    const bool ecrit = fichier && fichier->WriteString(texte) && fichier->Close();
    if (!ecrit) {
        platform::Warn(u"erreur : impossible d'écrire dans " + chemin);
    }
    return ecrit;
}

} // namespace

bool iEngineSceneGlobale::ExporteTableau() {
    String texte;
    for (int t = 0; t <= nombredephrases; ++t) {
        if (const iGuiEtiquette* tag = Etiquette(t)) {
            texte += tag->legende->GetText() + u"\n";
        }
    }
    return Ajoute(platform::GameFolder() + FichierExport, texte);
}

void iEngineSceneGlobale::PrendPhoto(int i) {
    iPlayFieldTerrainAction* terrain = Terrain(i);
    if (!terrain) {
        return;
    }
    // Without a profile folder the picture would land wherever the game runs.
    if (dossierprofil.empty()) {
        platform::Warn(u"erreur : pas de dossier de profil pour la photo");
        SignaleEchec(EchecPhoto);
        return;
    }
    const std::array<int, 7> d = platform::GetDate();
    const String base = PrefixeCapture + platform::Str(d[0]) + u"-" + DeuxChiffres(d[1]) + u"-" +
                        DeuxChiffres(d[2]) + u"_" + DeuxChiffres(d[3]) + DeuxChiffres(d[4]) +
                        DeuxChiffres(d[5]);
    // Two photos in one second get names of their own: no picture replaces another.
    const auto prise = [this](const String& nom) {
        if (platform::FileType(dossierprofil + nom + u".bmp") != 0) {
            return true;
        }
        return std::any_of(photosEnAttente.begin(), photosEnAttente.end(),
                           [&nom](const PhotoEnAttente& p) { return p.nom == nom; });
    };
    String nom = base;
    for (int n = 2; prise(nom); ++n) {
        nom = base + u"_" + platform::Str(n);
    }
    terrain->nomCapture = nom;
    terrain->captureDemandee = true;
    photosEnAttente.push_back({terrains[static_cast<std::size_t>(i)], nom, terrain->phrase});
}

void iEngineSceneGlobale::InscritPhotos() {
    // A lost picture says more than a lost line: the adult reads the worse of this frame's.
    bool photoPerdue = false;
    bool phrasePerdue = false;
    std::erase_if(photosEnAttente, [&](const PhotoEnAttente& photo) {
        const auto terrain = photo.terrain.lock();
        if (!terrain) {
            // The board went before its terrain was drawn again: no picture, no line.
            return true;
        }
        if (terrain->captureDemandee) {
            return false;
        }
        if (!terrain->captureReussie) {
            platform::Warn(u"erreur : la photo " + photo.nom + u" n'a pas pu être enregistrée");
            photoPerdue = true;
        } else if (!Ajoute(dossierprofil + ListeDesPhotos,
                           photo.nom + u"|" + photo.legende + u"\n")) {
            // The picture is kept: the gallery shows it, without its sentence.
            phrasePerdue = true;
        }
        return true;
    });
    if (photoPerdue) {
        SignaleEchec(EchecPhoto);
    } else if (phrasePerdue) {
        SignaleEchec(EchecPhrasePhoto);
    }
}
