// The prototype look, class by class.
#include "gui/prototype_skin.h"

#include <string>

#include "framework/content_manager.h"
#include "gui/button.h"
#include "gui/check_box.h"
#include "gui/input.h"
#include "gui/label.h"
#include "gui/link.h"
#include "gui/progress_bar.h"
#include "gui/scroll_box.h"
#include "gui/slider.h"
#include "gui/text_field.h"

namespace {

void SetColour(iGuiObject& w, float r, float g, float b) {
    w.red = r;
    w.green = g;
    w.blue = b;
}

void SetGhostColour(iGuiObject& w, float r, float g, float b) {
    w.ghostRed = r;
    w.ghostGreen = g;
    w.ghostBlue = b;
}

// Test colour black, test mode on.
void TestLook(iGuiObject& w) {
    w.testRed = 0;
    w.testGreen = 0;
    w.testBlue = 0;
    w.testMode = true;
}

platform::ImagePtr PrototypeImage(int number) {
    if (!TheContentManager) {
        ResetContentManager();
    }
    const String name = u"kestrivan_skins_gui_prototype_checkbox_" +
                        platform::FromUtf8(std::to_string(number)) + u".png";
    return TheContentManager->GetImage(name, 1, 0);
}

void SliderLook(iGuiSlider& s, int w, int h) {
    SetColour(s, 80, 80, 80);
    s.SetMouseOverColor(160, 160, 160);
    SetGhostColour(s, 64, 64, 64);
    s.surface = true;
    s.SetSurfaceColor(32, 32, 32);
    s.SetSurfaceGhostColor(16, 16, 16);
    s.surfaceWidth = w;
    s.surfaceHeight = h;
    s.width = w;
    s.height = h;
    s.knobX = -1;
    s.knobY = -1;
    TestLook(s);
}

} // namespace

void ApplyPrototypeSkin(iGuiObject& widget, int w, int h) {
    const bool sized = w > 0 && h > 0;
    if (auto* label = dynamic_cast<iGuiLabel*>(&widget)) {
        label->SetText(u"Hello world!");
        SetGhostColour(*label, 128, 128, 128);
        if (sized) {
            label->ScaleToSize(w, h);
        }
    }
    if (auto* field = dynamic_cast<iGuiTextField*>(&widget)) {
        SetGhostColour(*field, 128, 128, 128);
        if (sized) {
            field->width = w;
            field->height = h;
        }
    }
    if (auto* link = dynamic_cast<iGuiLink*>(&widget)) {
        link->text = u"Click me!";
        SetColour(*link, 0, 128, 0);
        link->SetMouseOverColor(0, 255, 0);
        SetGhostColour(*link, 0, 64, 0);
        if (sized) {
            link->ScaleToSize(w, h);
        }
    }
    if (auto* button = dynamic_cast<iGuiButton*>(&widget)) {
        SetColour(*button, 80, 80, 80);
        button->SetMouseOverColor(160, 160, 160);
        SetGhostColour(*button, 64, 64, 64);
        button->SetTextGhostColor(128, 128, 128);
        TestLook(*button);
        if (sized) {
            button->width = w;
            button->height = h;
        }
    }
    if (auto* box = dynamic_cast<iGuiCheckBox*>(&widget)) {
        box->images = {PrototypeImage(1), PrototypeImage(4)};
        box->mouseOverImages = {PrototypeImage(2), PrototypeImage(5)};
        box->mouseDownImages = {PrototypeImage(3), PrototypeImage(6)};
        box->ghostImages = {PrototypeImage(1), PrototypeImage(1)};
        SetGhostColour(*box, 128, 128, 128);
        if (sized) {
            box->ScaleToSize(w, h);
        }
    }
    if (auto* input = dynamic_cast<iGuiInput*>(&widget)) {
        SetGhostColour(*input, 64, 64, 64);
        input->surface = true;
        input->SetSurfaceColor(160, 160, 160);
        input->SetSurfaceGhostColor(128, 128, 128);
        TestLook(*input);
        if (sized) {
            input->width = w;
            input->height = h;
        }
    }
    if (auto* bar = dynamic_cast<iGuiProgressBarH*>(&widget)) {
        SetColour(*bar, 0, 255, 0);
        SetGhostColour(*bar, 0, 64, 0);
        bar->SetSurfaceColor(0, 128, 0);
        bar->SetSurfaceGhostColor(0, 32, 0);
        bar->width = w;
        bar->height = h;
        bar->barX = -1;
        bar->barY = -1;
        bar->barWidth = w + 2;
        bar->barHeight = h + 2;
        TestLook(*bar);
    }
    if (auto* slider = dynamic_cast<iGuiSliderH*>(&widget)) {
        slider->sliderLength = w + 2;
        SliderLook(*slider, w, h);
        slider->grabWidth = 64;
        slider->grabHeight = h + 2;
    }
    if (auto* slider = dynamic_cast<iGuiSliderV*>(&widget)) {
        slider->sliderLength = h + 2;
        SliderLook(*slider, w, h);
        slider->grabWidth = w + 2;
        slider->grabHeight = 64;
    }
    if (auto* scroll = dynamic_cast<iGuiScrollBox*>(&widget)) {
        if (sized) {
            scroll->width = w;
            scroll->height = h;
            scroll->CreateSliderV();
            scroll->sliderV->SetPosition(4, 1);
            ApplyPrototypeSkin(*scroll->sliderV, 32, h - 2);
            scroll->CreateSliderH();
            scroll->sliderH->SetPosition(1, 4);
            ApplyPrototypeSkin(*scroll->sliderH, w - 2, 32);
            SetColour(*scroll, 32, 32, 32);
        }
    }
}
