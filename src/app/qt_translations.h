#pragma once

class QCoreApplication;

// Qt's own words (the buttons of its boxes, its file dialog) in the system's language, from
// Qt's translations where the system keeps them or, on Windows, beside the program. Nothing
// found leaves them in English.
void loadQtTranslations(QCoreApplication& app);
