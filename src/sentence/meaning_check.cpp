// The meaning of a read sentence: objects against their verbs, verbs against each other.
#include "sentence/meaning_check.h"

#include "sentence/lexicon.h"
#include "sentence/verb_compatibility.h"
#include "sentence/vocabulary.h"

namespace {

// The word between double quotes: the base word, the verb in its active form, no article.
String EntreGuillemets(const String& code) {
    // Appended rather than concatenated: g++ 12 warns (falsely) on "x" + string here.
    String mot(1, u'"');
    mot += MotFrancais(false, true, code);
    mot += u'"';
    return mot;
}

} // namespace

bool ObjetAdmis(StructureAction& structure, const String& objet, const String& verbe,
                const String& role, const String& texteA, const String& texteB) {
    int renversable = 0;
    if (role == u"GroupeNominal2") {
        renversable = renversableok;
    } else if (role == u"ObjetComplement1") {
        renversable = renversablegn1ok;
    } else if (role == u"ObjetComplement2") {
        renversable = renversablegn2ok;
    }
    // Listing mode: the kinds of noun the verb takes, as code prefixes; nothing is stored.
    const String kinds =
        structure.ChoisitObjet(verbe, renversable, adjectifsok, role, texteA, texteB, 0, false);
    for (const String& kind : platform::Split(kinds, u"|")) {
        if (!kind.empty() && platform::StartsWith(objet, kind)) {
            return true;
        }
    }
    return false;
}

String RemarquesDeSens(StructureAction& s) {
    String message;
    if (!s.GroupeNominal2.empty() &&
        !ObjetAdmis(s, s.GroupeNominal2, s.Action, u"GroupeNominal2", u"", u"")) {
        message += u"Je ne peux pas utiliser ce COD, " + EntreGuillemets(s.GroupeNominal2) +
                   u", avec le verbe " + EntreGuillemets(s.Action) + u", désolé.\n";
    }
    if (!s.ObjetComplement1.empty() &&
        !ObjetAdmis(s, s.ObjetComplement1, s.VerbeComplement1, u"ObjetComplement1", u"", u"")) {
        message += u"Je ne peux pas utiliser cet objet, " + EntreGuillemets(s.ObjetComplement1) +
                   u", avec le verbe " + EntreGuillemets(s.VerbeComplement1) +
                   u" dans le complément du sujet, désolé.\n";
    }
    if (!s.ObjetComplement2.empty() &&
        !ObjetAdmis(s, s.ObjetComplement2, s.VerbeComplement2, u"ObjetComplement2", u"", u"")) {
        message += u"Je ne peux pas utiliser cet objet, " + EntreGuillemets(s.ObjetComplement2) +
                   u", avec le verbe " + EntreGuillemets(s.VerbeComplement2) +
                   u" dans le complément du COD, désolé.\n";
    }
    if (!s.Action.empty() && !s.VerbeComplement1.empty() &&
        !VerbesCompatibles(true, s.Action, s.VerbeComplement1, u"", s.VerbeComplement2,
                           s.ObjetComplement1, s.GroupeNominal2)) {
        message += u"Je ne peux pas utiliser les deux verbes " + EntreGuillemets(s.Action) +
                   u" et " + EntreGuillemets(s.VerbeComplement1) + u" ensemble.\n";
    }
    if (!s.Action.empty() && !s.VerbeComplement2.empty() &&
        !VerbesCompatibles(false, s.VerbeComplement2, u"", s.Action, u"", u"")) {
        message += u"Je ne peux pas utiliser le verbe " + EntreGuillemets(s.VerbeComplement2) +
                   u" en même temps que le verbe " + EntreGuillemets(s.Action) +
                   u" dans cette phrase.\n";
    }
    return message;
}
