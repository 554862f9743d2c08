// The lexicon table and the drawing of synonyms.
#include "sentence/lexicon.h"

#include <vector>

#include "platform/random.h"
#include "sentence/vocabulary.h"

namespace {

// How a verb row makes its passive.
enum class Passif { Aucun, Regarder, Poursuivre, LancerSur, Porter };

struct Entree {
    const char16_t* code;
    // Objects match by prefix so that a suffix such as "|par_terre" keeps the word.
    bool prefixe;
    const char16_t* base;
    // The row's current synonym, or none when the word has no synonym list.
    const String* synonyme;
    Passif passif;
};

const std::vector<Entree>& Table() {
    using P = Passif;
    static const std::vector<Entree> table = {
        {u"perso_monsieur_m", false, u"monsieur", &SynonymeMonsieur, P::Aucun},
        {u"perso_dame_f", false, u"dame", &SynonymeDame, P::Aucun},
        {u"perso_petit garcon_m", false, u"petit garçon", nullptr, P::Aucun},
        {u"perso_petite fille_f", false, u"petite fille", &SynonymePetiteFille, P::Aucun},
        {u"habit_habit_m", false, u"habit", nullptr, P::Aucun},
        {u"habit_chemise_f", false, u"chemise", nullptr, P::Aucun},
        {u"habit_robe_f", false, u"robe", nullptr, P::Aucun},
        {u"habit_pull_m", false, u"pull", nullptr, P::Aucun},
        {u"habit_manteau_m", false, u"manteau", nullptr, P::Aucun},
        {u"habit_tshirt_m", false, u"T-shirt", nullptr, P::Aucun},
        {u"chapeau_chapeau_m", false, u"chapeau", nullptr, P::Aucun},
        {u"chapeau_chapeau_de_couleur_m", false, u"chapeau", nullptr, P::Aucun},
        {u"chapeau_bonnet_m", false, u"bonnet", nullptr, P::Aucun},
        {u"chapeau_casquette_f", false, u"casquette", nullptr, P::Aucun},
        {u"unemain_pomme_f", true, u"pomme", nullptr, P::Aucun},
        {u"unemain_banane_f", true, u"banane", nullptr, P::Aucun},
        {u"unemain_marteau_m", true, u"marteau", &SynonymeMarteau, P::Aucun},
        {u"unemain_balle_f", true, u"balle", nullptr, P::Aucun},
        {u"unemain_rose_f", true, u"fleur", &SynonymeRose, P::Aucun},
        {u"deuxmains_caisse_f", true, u"caisse", &SynonymeCaisse, P::Aucun},
        {u"deuxmains_paquet-cadeau_m", true, u"cadeau", &SynonymeCadeau, P::Aucun},
        {u"deuxmains_gateau_m", true, u"gâteau", &SynonymeGateau, P::Aucun},
        {u"deuxmains_toureiffel_f", true, u"tour Eiffel", nullptr, P::Aucun},
        {u"deuxmains_elephant_m", true, u"(faux) éléphant", nullptr, P::Aucun},
        {u"deuxmains_statue_f", true, u"statue", nullptr, P::Aucun},
        {u"animal_chien_m", false, u"chien", nullptr, P::Aucun},
        {u"animal_crocodile_m", false, u"crocodile", nullptr, P::Aucun},
        {u"animal_elephant_m", false, u"(vrai) éléphant", nullptr, P::Aucun},
        {u"animal_poisson_m", false, u"poisson", nullptr, P::Aucun},
        {u"i_marcher", false, u"marche", nullptr, P::Aucun},
        {u"i_courir", false, u"court", nullptr, P::Aucun},
        {u"i_lever les bras", false, u"lève les bras", nullptr, P::Aucun},
        {u"i_lever un bras", false, u"lève un bras", nullptr, P::Aucun},
        {u"i_jouer de la musique", false, u"joue de la guitare", &SynonymeJouer, P::Aucun},
        {u"po_regarder", false, u"regarde", &SynonymeRegarder, P::Regarder},
        {u"i_pedaler", false, u"pédale", &SynonymePedaler, P::Aucun},
        {u"i_cuisiner", false, u"cuisine", &SynonymeCuisiner, P::Aucun},
        {u"oum_lancer", false, u"lance", &SynonymeLancer, P::Aucun},
        {u"odm_soulever", false, u"soulève", &SynonymeSoulever, P::Aucun},
        {u"ouodm_tenir", false, u"tient", &SynonymeTenir, P::Aucun},
        {u"a_promener", false, u"promène", nullptr, P::Aucun},
        {u"p_poursuivre", false, u"poursuit", nullptr, P::Poursuivre},
        {u"p_lancer sur", false, u"lance", &SynonymeLancerSur, P::LancerSur},
        // Throwing to somebody has no passive in the game.
        {u"p_lancer a", false, u"lance", &SynonymeLancerA, P::Aucun},
        {u"p_portersurepaules", false, u"porte", nullptr, P::Porter},
        {u"h_wear", false, u"porte", &SynonymePorter, P::Aucun},
        {u"i_dormir", false, u"dort", nullptr, P::Aucun},
        {u"rouge", false, u"rouge", nullptr, P::Aucun},
        {u"bleu", false, u"bleu", nullptr, P::Aucun},
        {u"vert", false, u"vert", nullptr, P::Aucun},
        {u"gris", false, u"gris", nullptr, P::Aucun},
        {u"jaune", false, u"jaune", nullptr, P::Aucun},
        {u"violet", false, u"violet", nullptr, P::Aucun},
        {u"blanc", false, u"blanc", nullptr, P::Aucun},
        {u"marron", false, u"marron", nullptr, P::Aucun},
        {u"rose", false, u"rose", nullptr, P::Aucun},
        {u"qui", false, u"qui", nullptr, P::Aucun},
        {u"sur", false, u"sur", nullptr, P::Aucun},
    };
    return table;
}

// The passive is taken from the word already chosen (base word or synonym); a word the row
// does not list comes back unchanged.
String Passive(Passif passif, const String& mot) {
    switch (passif) {
    case Passif::Regarder:
        if (mot == u"regarde")
            return u"est regardé";
        if (mot == u"observe")
            return u"est observé";
        return mot;
    case Passif::Poursuivre:
        return u"est poursuivi";
    case Passif::LancerSur:
        if (mot == u"lance")
            return u"se fait lancer";
        if (mot == u"envoie")
            return u"se fait envoyer";
        if (mot == u"jette")
            return u"se fait jeter";
        return mot;
    case Passif::Porter:
        return u"est porté";
    case Passif::Aucun:
        break;
    }
    return mot;
}

} // namespace

String MotFrancais(bool synonyme, bool formeactive, const String& code) {
    for (const Entree& entree : Table()) {
        const bool trouve =
            entree.prefixe ? platform::StartsWith(code, entree.code) : code == entree.code;
        if (!trouve)
            continue;
        // Before the first draw of synonyms the current one is still empty: the plain word
        // then stands for it, so a sentence never loses its subject or its verb.
        const bool avecSynonyme = synonyme && entree.synonyme && !entree.synonyme->empty();
        const String mot = avecSynonyme ? *entree.synonyme : String(entree.base);
        return formeactive ? mot : Passive(entree.passif, mot);
    }
    if (platform::Contains(code, u"à"))
        return code;
    return String();
}

bool AUnPassif(const String& verbe) {
    for (const Entree& entree : Table())
        if (!entree.prefixe && verbe == entree.code)
            return entree.passif != Passif::Aucun;
    return false;
}

String SansReperesElephants(const String& phrase) {
    if (platform::Contains(phrase, u"(vrai) ") && platform::Contains(phrase, u"(faux) "))
        return phrase;
    return platform::Replace(platform::Replace(phrase, u"(vrai) ", u""), u"(faux) ", u"");
}

void TireSynonymes() {
    // The order of the draws is part of the game: the same seed gives the same words.
    const std::pair<const StringArray*, String*> listes[] = {
        {&SynonymesCaisse, &SynonymeCaisse},       {&SynonymesGateau, &SynonymeGateau},
        {&SynonymesCadeau, &SynonymeCadeau},       {&SynonymesPorter, &SynonymePorter},
        {&SynonymesJouer, &SynonymeJouer},         {&SynonymesSoulever, &SynonymeSoulever},
        {&SynonymesLancer, &SynonymeLancer},       {&SynonymesTenir, &SynonymeTenir},
        {&SynonymesLancerSur, &SynonymeLancerSur}, {&SynonymesLancerA, &SynonymeLancerA},
        {&SynonymesDame, &SynonymeDame},           {&SynonymesPetiteFille, &SynonymePetiteFille},
        {&SynonymesMonsieur, &SynonymeMonsieur},   {&SynonymesRegarder, &SynonymeRegarder},
        {&SynonymesMarteau, &SynonymeMarteau},     {&SynonymesRose, &SynonymeRose},
        {&SynonymesCuisiner, &SynonymeCuisiner},   {&SynonymesPedaler, &SynonymePedaler},
    };
    for (const auto& [liste, courant] : listes) {
        const int index = platform::RandomIndex(static_cast<int>(liste->size()));
        *courant = liste->empty() ? String() : (*liste)[index];
    }
}
