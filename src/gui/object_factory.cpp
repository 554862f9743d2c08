// The object factory: one constructor per class name, compared exactly.
#include "gui/object_factory.h"

#include <functional>
#include <utility>

#include "framework/config.h"
#include "framework/engine.h"
#include "framework/layer.h"
#include "framework/layer_shapes.h"
#include "framework/playfield.h"
#include "gui/button.h"
#include "gui/check_box.h"
#include "gui/group.h"
#include "gui/image_widget.h"
#include "gui/input.h"
#include "gui/label.h"
#include "gui/link.h"
#include "gui/progress_bar.h"
#include "gui/scroll_box.h"
#include "gui/shapes.h"
#include "gui/slider.h"
#include "gui/text_field.h"

namespace {

using Maker = std::function<std::shared_ptr<iObject>()>;

template <class T> std::shared_ptr<iObject> MakeWidget() {
    auto widget = std::make_shared<T>();
    widget->New();
    return widget;
}

template <class T> std::shared_ptr<iObject> MakeLayerObject() {
    auto object = std::make_shared<T>();
    object->New();
    return object;
}

const std::pair<const char16_t*, Maker> Classes[] = {
    {u"iLayer",
     [] {
         auto layer = std::make_shared<iLayer>();
         layer->Init();
         return std::shared_ptr<iObject>(layer);
     }},
    {u"iPlayfield",
     [] {
         auto field = std::make_shared<iPlayfield>();
         field->New();
         return std::shared_ptr<iObject>(field);
     }},
    {u"iLayerEllipse",
     [] {
         auto ellipse = std::make_shared<iLayerEllipse>();
         ellipse->New();
         ellipse->height = 8;
         ellipse->width = 8;
         return std::shared_ptr<iObject>(ellipse);
     }},
    {u"iLayerGroup", MakeLayerObject<iLayerGroup>},
    {u"iLayerLine", MakeLayerObject<iLayerLine>},
    {u"iLayerPoint", MakeLayerObject<iLayerPoint>},
    {u"iLayerRectangle", MakeLayerObject<iLayerRectangle>},
    {u"iLayerSprite", MakeLayerObject<iLayerSprite>},
    {u"iLayerText", MakeLayerObject<iLayerText>},
    {u"iGuiButton", MakeWidget<iGuiButton>},
    {u"iGuiCheckBox", MakeWidget<iGuiCheckBox>},
    {u"iGuiEllipse", MakeWidget<iGuiEllipse>},
    {u"iGuiGroup", MakeWidget<iGuiGroup>},
    {u"iGuiImage", MakeWidget<iGuiImage>},
    {u"iGuiInput", MakeWidget<iGuiInput>},
    {u"iGuiLink", MakeWidget<iGuiLink>},
    {u"iGuiProgressBarH", MakeWidget<iGuiProgressBarH>},
    {u"iGuiRectangle", MakeWidget<iGuiRectangle>},
    {u"iGuiScrollBox", MakeWidget<iGuiScrollBox>},
    {u"iGuiSliderH", MakeWidget<iGuiSliderH>},
    {u"iGuiSliderV", MakeWidget<iGuiSliderV>},
    {u"iGuiLabel", MakeWidget<iGuiLabel>},
    {u"iGuiTextField", MakeWidget<iGuiTextField>},
};

} // namespace

std::shared_ptr<iObject> CreateObjectOfClass(const String& className) {
    for (const auto& [candidate, make] : Classes) {
        if (className == candidate) {
            return make();
        }
    }
    return nullptr;
}

std::shared_ptr<iObject> iEngine::CreateObject(const iConfig& config) {
    return CreateObjectOfClass(config.GetString(u"class", u""));
}
