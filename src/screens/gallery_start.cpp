#include "screens/gallery_start.h"

#include <memory>

#include "framework/frame_chain.h"
#include "screens/gallery_screen.h"

void OuvreGalerie() {
    ecrangalerie = std::make_shared<iEngineGalerie>();
    ecrangalerie->Create();
    SwitchScene(ecrangalerie);
}
