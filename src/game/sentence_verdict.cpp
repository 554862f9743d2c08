// Whether the child's sentence can be acted out, and why not in plain French: the analysis of
// the sentence engine, then the meaning (objects that suit their verbs, verbs that go together).
#include "game/tag_scene.h"
#include "sentence/meaning_check.h"

String iEngineEtiq::VerifiePhrase() {
    String message = AnalyseCadre();
    return message + RemarquesDeSens(structurePhrase);
}

bool iEngineEtiq::TesteObjet(const String& objet, const String& verbe, const String& role,
                             const String& texteA, const String& texteB) {
    return ObjetAdmis(structurePhrase, objet, verbe, role, texteA, texteB);
}
