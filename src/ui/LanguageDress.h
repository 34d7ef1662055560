#pragma once

#include "texts/Language.h"

class QObject;
class QWidget;

namespace ui {

// Dresses every text of `root` and of the windows it owns again, in the language now in use:
// window titles, menus and their items, the toolbar, tab captions, buttons, labels, frames, list
// entries, table headers, tool tips and place holders. A text is dressed from the source it was
// rendered from (noted by the translation, or kept here when this dressed it), so dressing in
// Japanese after English gives back the very texts the window showed. Entry boxes' values,
// and texts that hold values (a device's name, a count), stay as they are.
void DressAgain(QWidget* root);

// Keeps the source `owner`'s text (`key`: "text", "title", "tip") was rendered from, for a text
// whose Japanese another text shares with another English: DressAgain then dresses it from this
// source rather than from the one the shared Japanese was last rendered from.
void KeepSource(QObject* owner, const char* key, const texts::ShownSource& source);

}  // namespace ui
