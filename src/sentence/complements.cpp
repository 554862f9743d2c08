// Possible complements of a verb and the last function of an analysed sentence.
#include "sentence/complements.h"

#include <initializer_list>

#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

using platform::StartsWith;

void ComplementsPossibles(const String& verbe, const String& dejaPorte) {
    ListeComplementsPossibles.assign(static_cast<std::size_t>(NombreComplementsPossibles),
                                     String());
    std::size_t compte = 0;
    auto copie = [&](const StringArray& liste) {
        for (const String& code : liste) {
            // The slot count is the vocabulary's; never write past it.
            if (compte >= ListeComplementsPossibles.size())
                ListeComplementsPossibles.push_back(String());
            ListeComplementsPossibles[compte++] = code;
        }
    };

    if (verbe == u"odm_soulever") {
        copie(ObjetsDeuxMains);
    } else if (verbe == u"ouodm_tenir") {
        for (const StringArray* liste : {&ObjetsUneMain, &ObjetsDeuxMains})
            for (const String& code : *liste)
                SentenceDebug(u"complément possible de tenir : " + code);
        copie(ObjetsUneMain);
        copie(ObjetsDeuxMains);
    } else if (verbe == u"po_regarder") {
        copie(Persos);
        copie(ObjetsUneMain);
        copie(ObjetsDeuxMains);
        copie(Animaux);
    } else if (verbe == u"a_promener") {
        copie(Animaux);
    } else if (verbe == u"p_poursuivre" || verbe == u"p_portersurepaules") {
        copie(Persos);
    } else if (verbe == u"p_lancer sur" || verbe == u"p_lancer a" || verbe == u"oum_lancer") {
        copie(ObjetsUneMain);
    } else if (verbe == u"h_wear") {
        if (!StartsWith(dejaPorte, u"habit"))
            copie(Habits);
        if (!StartsWith(dejaPorte, u"chapeau"))
            copie(Chapeaux);
    }
    // Intransitive verbs and unknown codes take nothing.
    ListeComplementsPossibles.resize(compte);
}

String FonctionDerniere(const StructureAction& s) {
    String resultat;
    if (s.SujetPresent && !s.GN2Present && !s.Complement1Incomplet && !s.Complement1Complet &&
        !s.Complement2Complet && !s.Complement2Incomplet && !s.ActionPresente)
        resultat = u"GN1";
    if ((s.ActionPresente || StartsWith(s.Action, u"i_")) && !s.GN2Present)
        resultat = u"action";
    if (s.GN2Present && !s.Complement2Complet && !s.Complement2Incomplet) {
        SentenceDebug(u"GN2 présent, action " + s.Action + u", GN2 " + s.GroupeNominal2);
        if (s.Action == u"oum_lancer" && StartsWith(s.GroupeNominal2, u"unemain"))
            resultat = u"ObjetDonneLance1_GN2";
        else
            resultat = u"GN2";
    }
    if (s.Complement1Complet && !s.ActionPresente) {
        if (!s.ObjetComplementAdjectif1.empty())
            resultat = u"adjectifcomplement1";
        else if (s.VerbeComplement1 == u"oum_lancer" && StartsWith(s.ObjetComplement1, u"unemain"))
            resultat = u"ObjetDonneLance1_Complement1";
        else
            resultat = u"GNcomplement1";
    }
    if (s.Complement2Complet) {
        if (!s.ObjetComplementAdjectif2.empty())
            resultat = u"adjectifcomplement2";
        else if (s.VerbeComplement2 == u"oum_lancer" && StartsWith(s.ObjetComplement2, u"unemain"))
            resultat = u"ObjetDonneLance2";
        else
            resultat = u"GNcomplement2";
    }
    if ((s.Complement1PresqueComplet || StartsWith(s.VerbeComplement1, u"i_")) && !s.ActionPresente)
        resultat = u"verbecomplement1";
    if (s.Complement2PresqueComplet || StartsWith(s.VerbeComplement2, u"i_"))
        resultat = u"verbecomplement2";
    SentenceDebug(u"le FONCTIONDER que l'on retourne est " + resultat);
    return resultat;
}
