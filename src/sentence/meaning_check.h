#pragma once
// The meaning of a sentence the check has read: whether each object suits its verb and whether
// the verbs may be acted together. The build-a-sentence game adds these remarks to the
// analysis's own; the board's sentences must pass them too.
#include "platform/text.h"
#include "sentence/structure_action.h"

// The object's code is of a kind the verb takes in that role ("GroupeNominal2",
// "ObjetComplement1" or "ObjetComplement2"). texteA and texteB go to ChoisitObjet unchanged.
bool ObjetAdmis(StructureAction& structure, const String& objet, const String& verbe,
                const String& role, const String& texteA, const String& texteB);

// What cannot be acted out in the roles of the structure, in French, one sentence per line:
// objects that do not suit their verbs, verbs that cannot go together. "" when nothing.
String RemarquesDeSens(StructureAction& structure);
