#pragma once
// The application joins the menus and the games: it points the screen hand-over at the menu
// screens' globals and at the games' starters. Called at start, before any screen is made;
// tests that go from a menu to a game or back call it too.
void InstallScreenHandover();
