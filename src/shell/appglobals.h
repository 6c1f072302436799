#pragma once

#include <QTranslator>

// The one translator of the program: loaded at start-up from the stored
// language and reloaded by the language page.
extern QTranslator appTranslator;

// Set when the update server reported a newer version; read and cleared by
// the update page.
extern bool updateAvailable;
