#pragma once
// Profiles: one folder per child inside the game folder (platform::GameFolder), the default one
// "_defaut". A profile name is only ever one folder level directly inside the game folder:
// names that could climb out of it, hide, or name it itself are never created, used or
// deleted.
#include <vector>

#include "platform/text.h"

// The default profile's folder, and the name the lists show for it.
inline constexpr char16_t DossierDefaut[] = u"_defaut";
inline constexpr char16_t NomAfficheDefaut[] = u"_par défaut_";

// Names offered for a new profile when the child types none, and the forms that make a taken
// name free again (0 to 13 go before the name, 14 after it).
extern const std::vector<String> PrenomsProposes;
extern const std::vector<String> QualificatifsProposes;

// The real profile folders (no files, no symbolic links, no names a profile cannot have), in
// the order of the listing.
std::vector<String> ListeProfils();
// The name a list shows for a folder: NomAfficheDefaut for the default one; every character
// that would not show, or would look like another (bytes that are not UTF-8, a byte-order mark,
// characters the fonts lack, spaces at the ends), as "?", so that two folders never look alike.
String NomAfficheProfil(const String& dossier);
// Makes sure the game folder and its default profile exist; false when they cannot be made.
bool CreeDossierDefaut();
// The captions of the rows listing these folders: NomAfficheProfil, numbered " (2)", " (3)"...
// where two would still read the same.
std::vector<String> LegendesProfils(const std::vector<String>& dossiers);
// The folder of the profile shown as nom, ending with "/". A name no profile can have gives
// the default profile's folder.
String CheminProfil(const String& nom);
// The name under which a profile is created from what the child typed: a first name drawn
// from PrenomsProposes for the placeholder "nouveau profil" or nothing; "/", "\" and "*" and
// control characters become "-"; a name that would hide (leading ".") is replaced by a first
// name; spaces at the ends are dropped (a name of spaces only is no name); a taken name gets a
// qualifier drawn from QualificatifsProposes until it is free, and after 80 draws a number instead.
String ProposeNomProfil(const String& texte);
// True while the current profile (dossierprofil) is the default one, which keeps no choices.
bool ProfilParDefautCourant();
// Creates the profile's folder. False when it already exists, when the name is not one a
// profile may have, or when the folder cannot be made.
bool CreeProfil(const String& nom);
// Deletes the profile's folder with everything in it, only when it is a real folder directly
// inside the game folder and not the default profile. Deleting the current profile makes the
// default one current and loads its preferences. False when nothing was deleted.
bool EffaceProfil(const String& nom);
