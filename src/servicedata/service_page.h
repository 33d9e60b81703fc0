#pragma once

#include "drivers/service_text.h"

#include <QString>

class FrmOrbelo;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The controls of page 3, "TOMAR/ENVIAR DATOS AL IMPRESOR FISCAL", found by the names they carry.
namespace service_page {

QLineEdit* box(FrmOrbelo& w, const char* name);
QPushButton* button(FrmOrbelo& w, const char* name);

// Line n of the fantasy name (1-5) or of the header and trailer (1-20), and its "D" (double
// width) box; "C" and "B" are the other style boxes.
QLineEdit* lineBox(FrmOrbelo& w, ServiceText kind, int line);
QCheckBox* styleBox(FrmOrbelo& w, ServiceText kind, int line, char style);

// The lines each frame's "Enviar Datos" sends: fantasy 1-5, header 1-10, trailer 11-20.
struct Frame {
    ServiceText kind;
    int first;
    int last;
    const char* sendButton;
};
inline constexpr Frame kFantasy{ServiceText::FantasyName, 1, 5, "btnEnviarFantasia"};
inline constexpr Frame kHeader{ServiceText::HeaderTrailer, 1, 10, "btnEnviarEncabezado"};
inline constexpr Frame kTrailer{ServiceText::HeaderTrailer, 11, 20, "btnEnviarPie"};

// The line as the printer keeps it: its text, after the double-width byte when "D" is ticked.
QString lineText(FrmOrbelo& w, ServiceText kind, int line);
// Shows a stored line: the text without its double-width byte, "D" ticked when it had one.
void showLine(FrmOrbelo& w, ServiceText kind, int line, const QString& stored);

// What the printer held when the page was last read (empty when never read): a line counts as
// changed when it differs from it.
QString lastRead(FrmOrbelo& w, ServiceText kind, int line);
void rememberRead(FrmOrbelo& w, ServiceText kind, int line, const QString& stored);

// An empty box with the reason the printer does not keep it, or (why empty) a usable one.
void notKept(QLineEdit* box, const QString& why);
bool isKept(const QLineEdit* box);
// A line the printer keeps but does not tell back, with the reason as its tooltip.
void unread(QLineEdit* box, const QString& why);

}  // namespace service_page
