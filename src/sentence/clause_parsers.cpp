// Clause parsers of the sentence check.
//
//   Word tests           prefixes and fixed lists of the check
//   parsedetecteproposition   relative clause "qui ..."
//   parsedetectelancesur      "lance <objet> [sur|à <personne>]"
#include "sentence/clause_parsers.h"

#include <initializer_list>

#include "sentence/sentence_debug.h"
#include "sentence/word_classes.h"

using platform::StartsWith;

namespace {

bool CommencePar(const String& mot, std::initializer_list<const char16_t*> prefixes) {
    for (const char16_t* p : prefixes)
        if (StartsWith(mot, p))
            return true;
    return false;
}

bool UnDe(const String& mot, std::initializer_list<const char16_t*> codes) {
    for (const char16_t* c : codes)
        if (mot == c)
            return true;
    return false;
}

void Prend(analyse::MotsPris* pris, int position) {
    if (pris && position >= 0 && position < static_cast<int>(pris->size()))
        (*pris)[position] = true;
}

// Words between this verb and the next one, or up to the end when no verb follows.
int LongueurProposition(int v, int b, int last) { return b > v ? b - v - 1 : last - v; }

} // namespace

// --- Word tests ---

namespace analyse {

String MotDe(const StringArray& phrase, int last, int i) {
    if (i < 0 || i > last || i >= static_cast<int>(phrase.size()))
        return String();
    return phrase[i];
}

bool EstPersonne(const String& mot) { return StartsWith(mot, u"perso_"); }

bool EstNomCode(const String& mot) {
    return CommencePar(mot,
                       {u"perso_", u"habit_", u"chapeau_", u"unemain_", u"deuxmains_", u"animal_"});
}

bool EstNomNonPersonne(const String& mot) {
    return CommencePar(mot, {u"habit", u"chapeau", u"unemain", u"deuxmains", u"animal"});
}

bool EstVerbeCode(const String& mot) {
    return CommencePar(mot, {u"i_", u"po_", u"oum_", u"odm_", u"ouodm_", u"a_", u"p_", u"h_"});
}

bool EstIntransitif(const String& mot) { return StartsWith(mot, u"i_"); }

bool EstRelatif(const String& mot) { return StartsWith(mot, u"qu"); }

bool EstVerbeLancer(const String& mot) {
    return UnDe(mot, {u"p_lancer sur", u"oum_lancer", u"p_lancer a"});
}

bool EstCouleurMot(const String& mot) {
    return UnDe(mot, {u"rouge", u"bleu", u"vert", u"gris", u"jaune", u"violet", u"blanc", u"marron",
                      u"rose"});
}

bool EstNomColorable(const String& mot) {
    return CommencePar(mot, {u"chapeau", u"habit", u"animal"});
}

bool EstPreposition(const String& mot) { return mot == u"sur" || platform::Contains(mot, u"à"); }

} // namespace analyse

using namespace analyse;

// --- Relative clause ---

String parsedetecteproposition(int v, int b, const StringArray& phrase, int last,
                               StructureAction& s, int clause, MotsPris* pris) {
    auto mot = [&](int i) { return MotDe(phrase, last, i); };
    String statut = u"False";
    String etiquette;
    String position;

    const String verbe = mot(v);
    (clause == 1 ? s.VerbeComplement1 : s.VerbeComplement2) = verbe;
    Prend(pris, v);
    const int n = LongueurProposition(v, b, last);
    SentenceDebug(u"proposition " + platform::Str(clause) + u" : verbe " + verbe + u", " +
                  platform::Str(n) + u" mots");

    if (EstIntransitif(verbe))
        statut = u"True";

    if (EstVerbeLancer(verbe)) {
        statut = parsedetectelancesur(v, b, phrase, last, s, clause, pris);
        etiquette = clause == 1 ? u"objetcomplement1" : u"objetcomplement2";
        return statut + u"|" + etiquette + u"|";
    }

    if (EstNomCode(mot(v + 1))) {
        (clause == 1 ? s.ObjetComplement1 : s.ObjetComplement2) = mot(v + 1);
        etiquette = clause == 1 ? u"objetcomplement1" : u"objetcomplement2";
        position = platform::Str(v + 1);
        statut = u"True";
        Prend(pris, v + 1);
    }

    if (v < last) {
        // A colour belongs only to a hat, a garment or an animal; after anything else it is
        // left for the caller to notice.
        if (EstCouleurMot(mot(v + 2)) && EstNomColorable(mot(v + 1))) {
            (clause == 1 ? s.ObjetComplementAdjectif1 : s.ObjetComplementAdjectif2) = mot(v + 2);
            etiquette = clause == 1 ? u"objetcomplementadjectif1" : u"objetcomplementadjectif2";
            position = platform::Str(v + 2);
            Prend(pris, v + 2);
        }
        if (n == 0 && statut != u"True")
            statut = u"ManqueObjet";
    } else if (statut != u"True") {
        statut = u"ManqueObjet";
    }
    SentenceDebug(u"proposition " + platform::Str(clause) + u" : " + statut);
    return statut + u"|" + etiquette + u"|" + position;
}

// --- Throwing ---

String parsedetectelancesur(int v, int b, const StringArray& phrase, int last, StructureAction& s,
                            int clause, MotsPris* pris) {
    auto mot = [&](int i) { return MotDe(phrase, last, i); };
    String statut;
    const int n = LongueurProposition(v, b, last);
    const String objet = mot(v + 1);
    const bool avecPreposition = StartsWith(objet, u"unemain_") && EstPreposition(mot(v + 2));

    if (v < last) {
        if (StartsWith(objet, u"unemain_")) {
            if (avecPreposition) {
                // The preposition decides the verb: "sur" throws at, "à" throws to.
                const String code = mot(v + 2) == u"sur" ? u"p_lancer sur" : u"p_lancer a";
                if (clause == 0) {
                    s.Action = code;
                    s.ObjetDonneLance1 = objet;
                    s.GroupeNominal2 = mot(v + 3);
                } else if (clause == 1) {
                    s.VerbeComplement1 = code;
                    s.ObjetDonneLance1 = objet;
                } else {
                    s.VerbeComplement2 = code;
                    s.ObjetDonneLance2 = objet;
                }
                Prend(pris, v + 1);
                Prend(pris, v + 2);
                if (n == 2)
                    statut = u"ManquePersoObjet";
                else if (n == 0)
                    statut = u"ManqueObjet";
            } else {
                // A plain throw: the object is the clause's complement.
                if (clause == 1)
                    s.ObjetComplement1 = objet;
                else if (clause == 2)
                    s.ObjetComplement2 = objet;
                Prend(pris, v + 1);
                statut = n == 0 ? u"ManqueObjet" : u"True";
            }
        } else if (n == 0) {
            statut = u"ManqueObjet";
        }
    } else {
        statut = u"ManqueObjet";
    }

    // The person thrown at or to. Only a throw with a preposition has one: without it, a
    // person three places on belongs to another clause and must not replace the thrown object.
    if (last > v + 2 && EstPersonne(mot(v + 3)) && avecPreposition) {
        if (clause == 1)
            s.ObjetComplement1 = mot(v + 3);
        else if (clause == 2)
            s.ObjetComplement2 = mot(v + 3);
        Prend(pris, v + 3);
        const String fin = mot(last);
        if (EstCouleur(fin) || CategorieNom(fin) >= 1 || EstVerbe(fin, false))
            statut = u"True";
    } else if (last == v + 1 && StartsWith(objet, u"unemain")) {
        statut = u"True";
    }
    SentenceDebug(u"lancer (proposition " + platform::Str(clause) + u") : " + statut);
    return statut;
}
