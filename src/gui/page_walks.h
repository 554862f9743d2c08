#pragma once
// The widget walks that the framework's engine and playfields run over their GUI pages (see
// framework/widget_walks.h), written here where the widget base is known.

// Points the framework's table at the walks below; the widget base calls it when it is made.
void InstallWidgetWalks();
