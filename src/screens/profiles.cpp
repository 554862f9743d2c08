// Profiles: names (1), folders (2).
#include "screens/profiles.h"

#include <algorithm>

#include "framework/bitmap_font.h"
#include "framework/frame_chain.h"
#include "platform/diag.h"
#include "platform/files.h"
#include "platform/random.h"
#include "screens/preferences.h"

const std::vector<String> PrenomsProposes = {
    u"Léa",      u"Chloé",      u"Manon",         u"Camille",      u"Inès",       u"Jade",
    u"Louise",   u"Zoé",        u"Alice",         u"Lola",         u"Emma",       u"Juliette",
    u"Clémence", u"Margaux",    u"Anaïs",         u"Éloïse",       u"Marie-Lou",  u"Anne-Sophie",
    u"Lou-Anne", u"Rose-Marie", u"Héloïse",       u"Maëlle",       u"Lucas",      u"Hugo",
    u"Théo",     u"Nathan",     u"Louis",         u"Gabriel",      u"Arthur",     u"Jules",
    u"Raphaël",  u"Mathis",     u"Noé",           u"Timéo",        u"Maël",       u"Léon",
    u"Victor",   u"Adrien",     u"Jean-Baptiste", u"Pierre-Louis", u"Paul-Henri", u"Jean-Marc",
    u"Sacha",    u"Benoît"};

const std::vector<String> QualificatifsProposes = {
    u"L'incroyable ",   u"L'épouvantable ", u"L'immarcescible ", u"L'abominable ",
    u"L'intrépide ",    u"L'incassable ",   u"L'inoubliable ",   u"L'inévitable ",
    u"L'inimaginable ", u"L'inusable ",     u"L'impeccable ",    u"L'invraisemblable ",
    u"L'inestimable ",  u"L'estimable ",    u" d'amour"};

namespace {

// ---- 1. Names --------------------------------------------------------------------------

constexpr char16_t Placeholder[] = u"nouveau profil";
// Draws that look for a free qualified name before a number is used instead.
constexpr int PassesMax = 80;
// Room for the longest qualifier and a number inside the 255 bytes a folder name may have.
constexpr std::size_t OctetsMax = 200;

bool EstControle(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// Separators on one system or another, and the wildcard that some cannot store.
bool EstInterdit(char16_t c) { return c == u'/' || c == u'\\' || c == u'*' || EstControle(c); }

// One folder level that stays inside the game folder and shows in its listing: exactly the
// names ProposeNomProfil can give.
bool NomDeDossierSur(const String& nom) {
    if (nom.empty() || nom[0] == u'.') {
        return false;
    }
    return std::none_of(nom.begin(), nom.end(), EstInterdit);
}

// The text as the stand-ins of the glyphs beyond Latin-1 spell it.
String CommeLatin1(const String& texte) {
    String lu;
    for (const char16_t c : texte) {
        const char16_t* remplacant = iBitmapFont::StandIn(c);
        lu += remplacant ? String(remplacant) : String(1, c);
    }
    return lu;
}

// The row text of the default profile stands for its folder.
String Dossier(const String& nom) { return nom == NomAfficheDefaut ? String(DossierDefaut) : nom; }

String Prenom() {
    return PrenomsProposes[platform::RandomIndex(static_cast<int>(PrenomsProposes.size()))];
}

// Cut at a whole character so that the name stays within OctetsMax once written as UTF-8.
String Raccourci(const String& nom) {
    std::size_t octets = 0;
    for (std::size_t i = 0; i < nom.size(); ++i) {
        const char16_t c = nom[i];
        const bool paire = c >= 0xD800 && c < 0xDC00 && i + 1 < nom.size() &&
                           nom[i + 1] >= 0xDC00 && nom[i + 1] < 0xE000;
        const std::size_t n = paire ? 4 : c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        if (octets + n > OctetsMax) {
            return nom.substr(0, i);
        }
        octets += n;
        i += paire ? 1 : 0;
    }
    return nom;
}

// Taken by an entry of the game folder, files included, or by one of the default profile's
// two names. Case is ignored, so that a folder on a disk that ignores it is never named twice.
bool Pris(const String& nom, const std::vector<String>& entrees) {
    const String n = platform::ToLower(nom);
    if (n == platform::ToLower(DossierDefaut) || n == platform::ToLower(NomAfficheDefaut)) {
        return true;
    }
    for (const String& entree : entrees) {
        if (platform::ToLower(entree) == n) {
            return true;
        }
    }
    return false;
}

} // namespace

String ProposeNomProfil(const String& texte) {
    // Spaces around a name cannot be seen: a name of spaces only is no name.
    const String nom = platform::Trim(texte);
    String base = nom == Placeholder || nom.empty() ? Prenom() : nom;
    std::replace_if(base.begin(), base.end(), EstInterdit, u'-');
    base = platform::Trim(Raccourci(base));
    if (!NomDeDossierSur(base)) {
        base = Prenom();
    }

    const std::vector<String> entrees = platform::LoadDir(platform::GameFolder());
    String candidat = base;
    for (int passe = 0;; ++passe) {
        if (Pris(candidat, entrees)) {
            // Each draw starts again from the base name: qualifiers never pile up.
            const int k = platform::RandomIndex(static_cast<int>(QualificatifsProposes.size()));
            const bool apres = k == static_cast<int>(QualificatifsProposes.size()) - 1;
            candidat = apres ? base + QualificatifsProposes[k] : QualificatifsProposes[k] + base;
        }
        if (passe == PassesMax) {
            return base + u"_" + platform::Str(platform::RandomIndex(1000));
        }
        if (!Pris(candidat, entrees)) {
            return candidat;
        }
    }
}

// ---- 2. Folders ------------------------------------------------------------------------

std::vector<String> ListeProfils() {
    const String jeu = platform::GameFolder();
    std::vector<String> profils;
    for (const String& nom : platform::LoadDir(jeu)) {
        if (NomDeDossierSur(nom) && nom != NomAfficheDefaut && platform::IsRealFolder(jeu + nom)) {
            profils.push_back(nom);
        }
    }
    return profils;
}

String NomAfficheProfil(const String& dossier) {
    if (dossier == DossierDefaut) {
        return NomAfficheDefaut;
    }
    // What cannot be seen, or not told from something else, is shown as "?": a byte that is not
    // UTF-8, a byte-order mark, a no-break or soft hyphen, a control character, anything the
    // fonts cannot draw, and spaces at either end.
    String affiche = dossier;
    for (char16_t& c : affiche) {
        const bool visible =
            !EstControle(c) && iBitmapFont::GlyphCode(c) >= 0 && c != 0xA0 && c != 0xAD;
        if (!visible) {
            c = u'?';
        }
    }
    for (std::size_t i = 0; i < affiche.size() && affiche[i] == u' '; ++i) {
        affiche[i] = u'?';
    }
    for (std::size_t i = affiche.size(); i > 0 && affiche[i - 1] == u' '; --i) {
        affiche[i - 1] = u'?';
    }
    return affiche;
}

std::vector<String> LegendesProfils(const std::vector<String>& dossiers) {
    std::vector<String> legendes;
    // Compared as a font without the glyphs beyond Latin-1 draws them: "l’école" may then read
    // "l'école".
    std::vector<String> lus;
    for (const String& dossier : dossiers) {
        const String legende = NomAfficheProfil(dossier);
        String unique = legende;
        // Two folders that still look alike are numbered in the order of the list.
        for (int n = 2; std::find(lus.begin(), lus.end(), CommeLatin1(unique)) != lus.end(); ++n) {
            unique = legende + u" (" + platform::Str(n) + u")";
        }
        legendes.push_back(unique);
        lus.push_back(CommeLatin1(unique));
    }
    return legendes;
}

bool CreeDossierDefaut() {
    const String dossier = platform::GameFolder() + DossierDefaut;
    if (!platform::CreateDir(dossier)) {
        platform::Warn(u"erreur : impossible de créer le dossier " + dossier);
        return false;
    }
    return true;
}

String CheminProfil(const String& nom) {
    String dossier = Dossier(nom);
    if (!NomDeDossierSur(dossier)) {
        dossier = DossierDefaut;
    }
    return platform::GameFolder() + dossier + u"/";
}

bool ProfilParDefautCourant() {
    return platform::EndsWith(dossierprofil, u"/" + String(DossierDefaut) + u"/");
}

bool CreeProfil(const String& nom) {
    if (!NomDeDossierSur(nom) || nom == DossierDefaut || nom == NomAfficheDefaut) {
        return false;
    }
    const String chemin = platform::GameFolder() + nom;
    // A folder already there belongs to another row. A broken link is not seen here, but the
    // creation then fails on it.
    if (platform::FileType(chemin) != 0) {
        return false;
    }
    return platform::CreateDir(chemin) && platform::IsRealFolder(chemin);
}

bool EffaceProfil(const String& nom) {
    const String dossier = Dossier(nom);
    if (!NomDeDossierSur(dossier) || dossier == DossierDefaut) {
        return false;
    }
    const String chemin = platform::GameFolder() + dossier;
    if (!platform::IsRealFolder(chemin) || !platform::DeleteDir(chemin)) {
        return false;
    }
    // The current profile is gone: later saves and captures would go nowhere.
    if (dossierprofil == chemin + u"/") {
        dossierprofil = CheminProfil(DossierDefaut);
        LitPreferences();
    }
    return true;
}
