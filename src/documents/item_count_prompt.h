#pragma once

class FrmOrbelo;
class QString;

// A document button: remembers the chosen document, locks the window and asks for the number
// of items in the item-count frame. Does nothing while an operation runs.
void chooseDocument(FrmOrbelo& w, const QString& code);

// Re-enables the three input controls of the item-count frame after the busy lock.
void EscepcionesDesbloq(FrmOrbelo& w);

// The normal end of "Aceptar": count back to "1", window unlocked, frame closed.
void closeItemCountPrompt(FrmOrbelo& w);

// "Cancelar": closes the prompt as above, unless an operation runs.
void cancelItemCountPrompt(FrmOrbelo& w);

// Escape in the item-count field acts as "Cancelar".
void cancelOnEscape(FrmOrbelo& w);
