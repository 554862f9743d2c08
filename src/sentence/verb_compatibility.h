#pragma once
// Whether a verb can stand beside the other verbs of its sentence, so that the puppets can act
// every sentence out (nobody carries on the shoulders a person who runs, and so on).
#include "platform/text.h"

// The marker a caller appends to verbeCt2 to test "p_portersurepaules" against a moving patient.
inline const String MarqueurTesteAction = u"_on_teste_l_action";

// receveurMainsLibres: apply the free-hands test on the receiver of "p_lancer a".
// autreVerbe: the other action of the doer of verbe; verbeSubi: the verb the doer undergoes;
// verbeCt2: the action of verbe's patient; complementAutreVerbe: the noun of autreVerbe;
// complementVerbe: the noun of verbe. "" stands for an absent role, or a noun not drawn yet.
// Two actions of the same person (autreVerbe set, verbeSubi empty) are compatible only when
// each row accepts the other, each given the other verb's noun. Pure: reads no global.
bool VerbesCompatibles(bool receveurMainsLibres, const String &verbe, const String &autreVerbe,
                       const String &verbeSubi, const String &verbeCt2,
                       const String &complementAutreVerbe,
                       const String &complementVerbe = String());
