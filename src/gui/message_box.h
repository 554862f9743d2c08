#pragma once
// MessageBox: the game's dialog. The panel is the image widget itself; the title, the message
// and one or two buttons are separate widgets on the same playfield, drawn over the panel. The
// owner shows the box by activating the five widgets, polls the buttons and hides them again.
#include <memory>

#include "gui/button_variants.h"
#include "gui/image_widget.h"
#include "gui/text_field.h"

class iBitmapFont;
class iPlayfield;

class MessageBox : public iGuiImage {
  public:
    std::shared_ptr<iGuiButton2> bouton1;
    std::shared_ptr<iGuiTextField> titre;
    std::shared_ptr<iGuiTextField> message;
    // Two-button boxes only.
    std::shared_ptr<iGuiButton2> bouton2;

    // Builds the box centred in the area, adds it and its parts to the playfield, and hides
    // everything. Parts the owner has not created yet are created here.
    void Create(float areaWidth, float areaHeight, bool twoButtons,
                const std::shared_ptr<iPlayfield>& target, const String& imageName,
                const std::shared_ptr<iBitmapFont>& messageFont, const String& title,
                const String& caption1, const String& caption2);
    // The message on one line, centred on the panel.
    int FitToText();

  private:
    void PlaceButton(iGuiButton2& button, int percentX, const std::shared_ptr<iPlayfield>& target,
                     const String& caption);
};
