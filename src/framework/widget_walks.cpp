#include "framework/widget_walks.h"

namespace {

void NoPage(iList4&, bool) {}
void NoWidget(iGuiObject&) {}
void NoModal(iPlayfield&, iGuiObject&) {}
void NoSearch(iGuiObject&, const String&) {}
void NoCollection(iGuiObject&, const String&, iObjectList&) {}

} // namespace

WidgetWalks TheWidgetWalks = {NoPage, NoWidget, NoPage, NoModal, NoSearch, NoCollection};
