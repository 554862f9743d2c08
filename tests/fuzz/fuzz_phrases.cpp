// "phrases.txt" as the gallery reads it: the bytes written as the list of a profile folder, its
// end read, the sentence of each name it holds looked up, cleaned of what the font cannot draw
// and laid out on the sentence card.
#include <cstdint>

#include "framework/bitmap_font.h"
#include "fuzz_support.h"
#include "gui/text_field.h"
#include "screens/gallery_screen.h"

namespace {

fuzz::Stage* stage = nullptr;
std::shared_ptr<iGuiTextField> field;

// Every code from the space up has a glyph 9 wide and 20 high, as the game's fonts roughly do.
std::shared_ptr<iBitmapFont> Font() {
    auto font = std::make_shared<iBitmapFont>();
    const auto glyph = platform::CreateImage(9, 20, std::vector<std::uint8_t>(9 * 20 * 4, 255));
    for (int code = 32; code < iBitmapFont::GlyphCount; ++code) {
        font->images[static_cast<std::size_t>(code)] = glyph;
        font->advance[static_cast<std::size_t>(code)] = 9;
    }
    font->height = 20;
    return font;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::QuietDebugLines();
    stage = new fuzz::Stage();
    field = std::make_shared<iGuiTextField>();
    field->New();
    field->SetFont(Font());
    field->SetPlayfield(stage->playfield);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const String folder = fuzz::Path(fuzz::Folder()) + u"/";
    fuzz::Write(fuzz::Folder() / "phrases.txt", data, size);
    const String text = LitListeDesPhrases(folder);
    std::vector<String> names = {u"mirelvanquibs_capture_2025-03-05_090703", u""};
    for (const String& line : platform::Split(text, u"\n")) {
        if (names.size() < 6) {
            names.push_back(line.substr(0, line.find(u'|')));
        }
    }
    for (const String& name : names) {
        const String phrase = TexteDessinable(*field->font, PhraseDeCapture(text, name));
        const float scale = AjusteTexteCarte(*field, phrase, 120);
        // The card holds the lines, at a size that still reads.
        field->Update();
        if (scale < 0.5f || !field->lines ||
            static_cast<float>(field->lines->size()) * 20 * scale > 120) {
            std::abort();
        }
    }
    stage->Frame();
    return 0;
}
