#pragma once
// The wide message box of the menu screens ("message_large.png"), which tells why the chosen
// words do not allow a game or why the choices were not kept, and the texts it tells it with.
#include <memory>

#include "platform/text.h"

class MessageBox;
class iPlayfield;

// Too few words for any sentence.
inline constexpr char16_t MessagePasDePhrase[] =
    u"Il faut ajouter d'autres éléments pour pouvoir fabriquer au moins une phrase. \n";
// Sentences, but never enough variations of one for the matching game.
inline constexpr char16_t MessagePasDeVariation[] =
    u"On ne peut pas fabriquer de variations autour des phrases générées, donc les seuls modes "
    u"de jeu possibles sont «\u00A0remettre les mots dans l'ordre\u00A0» et «\u00A0fabriquer une "
    u"phrase\u00A0».\n";
// A profile's folder could not be made, or could not be deleted.
inline constexpr char16_t MessageEchecCreation[] = u"Je n'ai pas pu créer ce profil.";
inline constexpr char16_t MessageEchecEffacement[] = u"Je n'ai pas pu effacer ce profil.";
// The profile's preferences file could not be written. The choices stay in memory until the
// program closes or a profile is chosen, which loads its own.
inline constexpr char16_t MessageEchecEnregistrement[] =
    u"Je n'ai pas pu enregistrer les choix de ce profil. Ils restent valables jusqu'à la "
    u"fermeture du jeu, ou jusqu'au prochain choix de profil.\n";

// Built hidden, centred on the playfield's canvas, one "D'accord" button. The panel takes the
// pointer, so that a press on it never reaches what lies beneath.
std::shared_ptr<MessageBox> CreeMessageMenu(const std::shared_ptr<iPlayfield>& playfield);
// The text wrapped within the panel, below its title and above its button; the box shows.
void MontreMessage(MessageBox& boite, const String& texte);
bool MessageAffiche(const MessageBox& boite);
// One frame of a shown box: a press on "D'accord" clicks and starts its bounce; in the frame
// the bounce ends the box hides and the result is true.
bool FermeMessage(MessageBox& boite);
