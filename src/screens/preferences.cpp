#include "screens/preferences.h"

#include <array>
#include <cstdint>
#include <vector>

#include "framework/frame_chain.h"
#include "platform/files.h"
#include "screens/sentence_feasibility.h"
#include "sentence/vocabulary.h"

namespace {

// The file's layout, in file order. Each box array has the length of its word list; the
// lengths are written here so that the file keeps its size whatever happens to an array.
constexpr int* Niveaux[] = {
    &queok,       &passiveok, &emphatiqueok,  &expansiongn1ok,   &expansiongn2ok,
    &adjectifsok, &codok,     &renversableok, &renversablegn1ok, &renversablegn2ok};
constexpr bool* SousOptions[] = {&PassiveEnchasseeOk, &PassiveFinOk,  &OrdreVerbeSujetOk,
                                 &OrdreSujetVerbeOk,  &AccentAgentOk, &AccentPatientOk};
struct Cases {
    FlagArray* coches;
    std::size_t nombre;
};
constexpr Cases Mots[] = {{&PersosCoches, 4},
                          {&VerbesIntransitifsCoches, 7},
                          {&VerbeJouerMusiqueCoches, 1},
                          {&VerbeRegarderCoches, 1},
                          {&VerbeLancerCoches, 1},
                          {&VerbeSouleverCoches, 1},
                          {&VerbeTenirCoches, 1},
                          {&VerbePromenerCoches, 1},
                          {&VerbePoursuivreCoches, 1},
                          {&VerbesLancerSurACoches, 2},
                          {&VerbePorterSurEpaulesCoches, 1},
                          {&VerbePorterHabitCoches, 1},
                          {&ObjetsUneMainCoches, 5},
                          {&ObjetsDeuxMainsCoches, 6},
                          {&AnimauxCoches, 4},
                          {&HabitsCoches, 5},
                          {&ChapeauxCoches, 3},
                          {&CouleursCoches, 9},
                          {&QuiCoches, 1}};

constexpr std::size_t NombreDEntiers = 71;
static_assert(std::size(Niveaux) + std::size(SousOptions) + [] {
    std::size_t n = 0;
    for (const Cases& mots : Mots) {
        n += mots.nombre;
    }
    return n;
}() == NombreDEntiers);
using Valeurs = std::array<std::int32_t, NombreDEntiers>;

String Fichier() { return dossierprofil + u"preferences"; }

Valeurs Collecte() {
    Valeurs v{};
    std::size_t i = 0;
    for (const int* niveau : Niveaux) {
        v[i++] = *niveau;
    }
    for (const bool* option : SousOptions) {
        v[i++] = *option ? 1 : 0;
    }
    for (const Cases& mots : Mots) {
        for (std::size_t k = 0; k < mots.nombre; ++k) {
            v[i++] = k < mots.coches->size() && (*mots.coches)[k] ? 1 : 0;
        }
    }
    return v;
}

void Applique(const Valeurs& v) {
    std::size_t i = 0;
    for (int* niveau : Niveaux) {
        *niveau = v[i++];
    }
    for (bool* option : SousOptions) {
        *option = v[i++] == 1;
    }
    for (const Cases& mots : Mots) {
        mots.coches->resize(mots.nombre);
        for (std::size_t k = 0; k < mots.nombre; ++k) {
            (*mots.coches)[k] = v[i++] == 1;
        }
    }
}

} // namespace

bool LitPreferences() {
    // Nothing is stored before the whole record has been read and found sound, so a damaged
    // file never leaves the profile half loaded.
    if (dossierprofil.empty()) {
        return false;
    }
    auto fichier = platform::FileStream::Open(Fichier(), u"r");
    if (!fichier) {
        return false;
    }
    Valeurs v{};
    for (std::int32_t& valeur : v) {
        if (!fichier->ReadInt(valeur)) {
            return false;
        }
    }
    for (std::size_t i = 0; i < std::size(Niveaux); ++i) {
        if (v[i] < 0 || v[i] > 2) {
            return false;
        }
    }
    Applique(v);
    VerifiePhrasesPossibles();
    return true;
}

bool EcritPreferences() {
    if (dossierprofil.empty()) {
        return false;
    }
    const Valeurs v = Collecte();
    std::vector<std::uint8_t> octets(NombreDEntiers * 4);
    for (std::size_t i = 0; i < NombreDEntiers; ++i) {
        const auto u = static_cast<std::uint32_t>(v[i]);
        for (std::size_t b = 0; b < 4; ++b) {
            octets[i * 4 + b] = static_cast<std::uint8_t>(u >> (8 * b));
        }
    }
    return platform::ReplaceFileAtomically(Fichier(), octets);
}
