#include "shell/appglobals.h"

QTranslator appTranslator;
bool updateAvailable = false;
