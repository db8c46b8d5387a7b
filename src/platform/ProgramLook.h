#pragma once

// How the program's windows look beside what each control sets for itself.
//
// The font: the controls stand at the places and sizes they were drawn for, with a Japanese UI
// font of 12 pixels whose Latin letters are narrow; the Japanese fonts here are wider in their
// Latin letters, and at 11 pixels every caption fits its control again.
//
// The style: a combo box drops down the number of rows it asks for (the named colours show 20),
// where the platform's style would open a list over the whole screen.

#include <QFont>

namespace tintora {

QFont ProgramFont();

// Makes ProgramFont and the program's style those of every window the application opens.
void UseProgramLook();

} // namespace tintora
