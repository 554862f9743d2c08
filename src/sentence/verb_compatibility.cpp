// The compatibility table of the verbs of one sentence.
#include "sentence/verb_compatibility.h"

#include <initializer_list>

#include "sentence/sentence_debug.h"

namespace {

using Codes = std::initializer_list<const char16_t *>;

bool UnDe(const String &code, Codes codes) {
    for (const char16_t *c : codes)
        if (code == c)
            return true;
    return false;
}

bool CommenceParUnDe(const String &code, Codes prefixes) {
    for (const char16_t *p : prefixes)
        if (platform::StartsWith(code, p))
            return true;
    return false;
}

// Every verb except those that move the whole body or need both hands.
constexpr Codes L12 = {u"h_wear",
                       u"ouodm_tenir",
                       u"po_regarder",
                       u"i_jouer de la musique",
                       u"p_portersurepaules",
                       u"i_lever un bras",
                       u"i_lever les bras",
                       u"oum_lancer",
                       u"p_lancer sur",
                       u"i_cuisiner",
                       u"i_dormir",
                       u"p_lancer a"};

enum class Situation { MemePersonne, Patient, Aucune };

// The receiver of an object thrown to him needs free hands.
bool ReceveurLibre(bool receveurMainsLibres, const String &verbeCt2) {
    return !receveurMainsLibres ||
           !UnDe(verbeCt2, {u"i_lever les bras", u"i_lever un bras", u"i_jouer de la musique",
                            u"ouodm_tenir", u"odm_soulever", u"oum_lancer", u"i_cuisiner"});
}

// One rule per situation: same person (autre), patient (subi), neither.
bool Regle(Situation s, bool siMeme, bool siPatient, bool sinon = true) {
    switch (s) {
    case Situation::MemePersonne:
        return siMeme;
    case Situation::Patient:
        return siPatient;
    case Situation::Aucune:
        break;
    }
    return sinon;
}

bool Compatibles(bool receveurMainsLibres, const String &verbe, const String &autre,
                 const String &subi, const String &verbeCt2, const String &complement) {
    Situation s = Situation::Aucune;
    if (!autre.empty() && subi.empty())
        s = Situation::MemePersonne;
    else if (autre.empty() && !subi.empty())
        s = Situation::Patient;
    const bool objetEnMain = CommenceParUnDe(complement, {u"unemain", u"deuxmains"});

    if (verbe == u"i_marcher" || verbe == u"i_pedaler")
        return Regle(s, UnDe(autre, L12), !UnDe(subi, {u"p_poursuivre", u"p_portersurepaules"}));
    if (verbe == u"i_courir")
        return Regle(s, UnDe(autre, L12),
                     !UnDe(subi, {u"p_poursuivre", u"p_lancer a", u"p_portersurepaules"}));
    if (verbe == u"i_lever les bras")
        return Regle(s,
                     UnDe(autre, {u"h_wear", u"a_promener", u"p_portersurepaules", u"p_poursuivre",
                                  u"i_marcher", u"i_jouer de la musique", u"i_courir", u"i_dormir",
                                  u"i_pedaler"}) ||
                         (UnDe(autre, {u"po_regarder", u"ouodm_tenir"}) &&
                          !platform::StartsWith(complement, u"deux")),
                     subi != u"p_lancer a");
    if (verbe == u"i_lever un bras")
        return Regle(s,
                     UnDe(autre, {u"h_wear", u"a_promener", u"p_portersurepaules", u"p_poursuivre",
                                  u"po_regarder", u"ouodm_tenir", u"i_marcher", u"i_courir",
                                  u"i_jouer de la musique", u"i_pedaler", u"i_dormir"}),
                     subi != u"p_lancer a");
    if (verbe == u"i_jouer de la musique")
        return Regle(s,
                     !UnDe(autre, {u"i_jouer de la musique", u"oum_lancer", u"p_lancer sur",
                                   u"odm_soulever", u"ouodm_tenir", u"i_cuisiner", u"p_lancer a"}),
                     subi != u"p_lancer a");
    if (verbe == u"i_cuisiner")
        return Regle(s,
                     !UnDe(autre, {u"i_jouer de la musique", u"i_lever un bras",
                                   u"i_lever les bras", u"oum_lancer", u"p_lancer sur",
                                   u"odm_soulever", u"ouodm_tenir", u"i_cuisiner", u"p_lancer a"}),
                     subi != u"p_lancer a");
    if (verbe == u"po_regarder")
        return Regle(s, !UnDe(autre, {u"po_regarder", u"i_dormir"}), true);
    if (verbe == u"oum_lancer")
        return Regle(s,
                     UnDe(autre, {u"h_wear", u"i_marcher", u"i_courir", u"a_promener",
                                  u"p_portersurepaules", u"i_pedaler", u"i_dormir"}) ||
                         (autre == u"po_regarder" && !objetEnMain),
                     !UnDe(subi, {u"p_poursuivre", u"p_lancer a"}));
    if (verbe == u"odm_soulever")
        return Regle(s,
                     UnDe(autre, {u"po_regarder", u"h_wear", u"p_portersurepaules", u"i_dormir"}),
                     !UnDe(subi, {u"p_portersurepaules", u"p_lancer a"}));
    if (verbe == u"ouodm_tenir")
        return Regle(s,
                     !UnDe(autre, {u"oum_lancer", u"p_lancer sur", u"ouodm_tenir", u"odm_soulever",
                                   u"i_jouer de la musique", u"i_cuisiner", u"p_lancer a"}) &&
                         !(autre == u"po_regarder" && objetEnMain),
                     subi != u"p_lancer a");
    if (verbe == u"p_poursuivre")
        return Regle(
            s,
            UnDe(autre, {u"ouodm_tenir", u"po_regarder", u"h_wear", u"i_jouer de la musique",
                         u"p_portersurepaules", u"i_lever les bras", u"i_lever un bras",
                         u"i_cuisiner", u"i_dormir"}),
            subi == u"po_regarder");
    if (verbe == u"p_lancer sur")
        return Regle(s,
                     UnDe(autre, {u"po_regarder", u"h_wear", u"p_portersurepaules", u"i_marcher",
                                  u"i_courir", u"a_promener", u"i_pedaler", u"i_dormir"}),
                     subi == u"po_regarder");
    if (verbe == u"p_lancer a") {
        const bool libre = ReceveurLibre(receveurMainsLibres, verbeCt2);
        return Regle(s,
                     UnDe(autre, {u"po_regarder", u"h_wear", u"p_portersurepaules", u"i_marcher",
                                  u"a_promener", u"i_pedaler", u"i_dormir", u"i_courir"}) &&
                         libre,
                     subi == u"po_regarder", libre);
    }
    if (verbe == u"p_portersurepaules") {
        const bool regle =
            Regle(s, autre != u"p_portersurepaules",
                  UnDe(subi, {u"po_regarder", u"p_poursuivre", u"p_lancer a", u"p_lancer sur"}));
        // Nobody is carried on the shoulders while moving.
        if (platform::EndsWith(verbeCt2, MarqueurTesteAction) &&
            CommenceParUnDe(verbeCt2, {u"i_marcher", u"i_courir", u"i_pedaler", u"odm_soulever",
                                       u"p_poursuivre", u"p_portersurepaules", u"a_promener"})) {
            SentenceDebug(u"ON NE PEUT PAS : ON PORTE UN MEC QUI BOUGE!!!!!!!!!!!!!!"
                          u"-------------------------------------");
            return false;
        }
        return regle;
    }
    if (verbe == u"a_promener")
        return !UnDe(autre, {u"a_promener", u"odm_soulever"}) && subi != u"p_portersurepaules";
    if (verbe == u"h_wear" || verbe.empty())
        return true;
    if (verbe == u"i_dormir")
        return !UnDe(autre, {u"po_regarder", u"i_dormir"});
    return false;
}

} // namespace

bool VerbesCompatibles(bool receveurMainsLibres, const String &verbe, const String &autreVerbe,
                       const String &verbeSubi, const String &verbeCt2,
                       const String &complementAutreVerbe, const String &complementVerbe) {
    SentenceDebug(u"verbe = " + verbe + u" verbe ct 2 = " + verbeCt2);
    if (!Compatibles(receveurMainsLibres, verbe, autreVerbe, verbeSubi, verbeCt2,
                     complementAutreVerbe))
        return false;
    // Two actions of one person go together only when each accepts the other: the rows alone
    // are not symmetric, and the generator and the check of the child's sentence ask for the
    // pair in opposite orders. The other row looks at the noun of `verbe` (something watched
    // in the hand keeps that hand busy); a caller that draws that noun later asks again with it.
    const bool memePersonne = !autreVerbe.empty() && verbeSubi.empty();
    return !memePersonne || verbe.empty() ||
           Compatibles(false, autreVerbe, verbe, String(), String(), complementVerbe);
}
