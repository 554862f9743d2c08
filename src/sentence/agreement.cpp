#include "sentence/agreement.h"

#include <array>

namespace {

// The letters that open a word for elision, in the order they are tested.
constexpr std::array<char16_t, 9> Voyelles = {u'a', u'e', u'\u00e9', u'\u00e8', u'\u00ea',
                                              u'i', u'o', u'u',      u'h'};

// The code without its placement suffix ("unemain_pomme_f|par_terre" -> "unemain_pomme_f").
String SansPlacement(const String& code) {
    const std::size_t bar = code.find(u'|');
    return bar == String::npos ? code : code.substr(0, bar);
}

// 'm', 'f' or 0 from the gender suffix of a code.
char GenreDuCode(const String& code) {
    const String base = SansPlacement(code);
    if (platform::EndsWith(base, u"_m"))
        return 'm';
    if (platform::EndsWith(base, u"_f"))
        return 'f';
    return 0;
}

} // namespace

bool CommenceParVoyelle(const String& word) {
    if (word.empty())
        return false;
    for (char16_t v : Voyelles)
        if (word[0] == v)
            return true;
    return false;
}

bool EstCodeFeminin(const String& code) { return GenreDuCode(code) == 'f'; }

String AccordeCouleur(const String& colour, const String& noun) {
    // A feminine object lying on the ground is still feminine: the placement suffix does not
    // change the gender of the noun.
    if (!EstCodeFeminin(noun))
        return colour;
    if (colour == u"bleu" || colour == u"vert" || colour == u"gris")
        return colour + u"e";
    if (colour == u"violet")
        return u"violette";
    if (colour == u"blanc")
        return u"blanche";
    return colour;
}

String CasePremiereLettre(bool upper, const String& text) {
    if (text.empty())
        return text;
    String out = text;
    out[0] = upper ? platform::ToUpperUnit(out[0]) : platform::ToLowerUnit(out[0]);
    return out;
}

String Article(const String& word, const String& code) {
    const char genre = GenreDuCode(code);
    if (genre == 0)
        return u"";
    const bool personne = platform::StartsWith(code, u"perso_");
    if (genre == 'm') {
        if (!personne)
            return u"un ";
        return CommenceParVoyelle(word) ? u"l'" : u"le ";
    }
    return personne ? u"la " : u"une ";
}
