// Items scripts: the bytes written as a script in a data folder of the target's own, read by a
// scroll box through its skin (as the menus read theirs), then updated and drawn twice.
#include <cstdint>

#include "framework/config.h"
#include "fuzz_support.h"
#include "gui/scroll_box.h"
#include "platform/files.h"

namespace {

fuzz::Stage* stage = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::QuietDebugLines();
    platform::SetDataFolder(fuzz::Path(fuzz::Folder()));
    // The pictures and the nested script the corpus names.
    static const std::uint8_t png[] = {
        0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48,
        0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00,
        0x00, 0x1f, 0x15, 0xc4, 0x89, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x44, 0x41, 0x54, 0x78,
        0x9c, 0x63, 0xf8, 0xdf, 0xe0, 0xf0, 0x1f, 0x00, 0x07, 0x00, 0x02, 0xbf, 0x2b, 0xd7,
        0xc7, 0xe2, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
    fuzz::Write(fuzz::Folder() / "carre.png", png, sizeof png);
    fuzz::Write(fuzz::Folder() / "dedans.txt", "class=iGuiButton\nwidth=30\n\nclass=iGuiLink\n");
    stage = new fuzz::Stage();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Write(fuzz::Folder() / "script.txt", data, size);
    auto box = std::make_shared<iGuiScrollBox>();
    box->New();
    box->SetPosition(50, 50);
    box->SetPlayfield(stage->playfield);
    box->SetSize(400, 300);
    iConfig skin;
    skin.Parse(u"itemsScript=script.txt\nsliderV.width=10");
    box->LoadSkin(skin, u"");
    stage->Step();
    stage->Frame();
    stage->Step();
    stage->Frame();
    box->Remove();
    stage->Step();
    return 0;
}
