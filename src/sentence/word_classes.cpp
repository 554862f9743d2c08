#include "sentence/word_classes.h"

#include <algorithm>
#include <array>

#include "sentence/vocabulary.h"

namespace {

bool DansLaListe(const StringArray& list, const String& word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

} // namespace

bool EstPronomRelatif(const String& word) { return DansLaListe(Qui, word); }

bool EstCouleur(const String& word) { return DansLaListe(Couleurs, word); }

bool EstVerbe(const String& word, bool sansIntransitifs) {
    static const std::array<String, 7> transitifs = {u"oum_", u"odm_", u"ouodm_", u"po_",
                                                     u"a_",   u"p_",   u"h_"};
    for (const String& prefix : transitifs)
        if (platform::StartsWith(word, prefix))
            return true;
    return !sansIntransitifs && platform::StartsWith(word, u"i_");
}

int CategorieNom(const String& word) {
    using platform::StartsWith;
    if (StartsWith(word, u"perso"))
        return platform::EndsWith(word, u"_m") ? 1 : 2;
    if (StartsWith(word, u"unemain"))
        return 3;
    if (StartsWith(word, u"deuxmains"))
        return 4;
    if (StartsWith(word, u"animal"))
        return 5;
    if (StartsWith(word, u"habit"))
        return 6;
    if (StartsWith(word, u"chapeau"))
        return 7;
    return 0;
}
