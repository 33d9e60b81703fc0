#include "service_page.h"

#include "app/controls_lock.h"
#include "app/frm_orbelo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace service_page {
namespace {

constexpr const char* kLastRead = "orbeloLastRead";
constexpr const char* kNotKept = "orbeloNotKept";
const QChar kWide(0xF4);

QString lineName(ServiceText kind, int line) {
    return QStringLiteral("%1(%2)").arg(kind == ServiceText::FantasyName ? QStringLiteral("Fanta") : QStringLiteral("Linea")).arg(line);
}

}  // namespace

QLineEdit* box(FrmOrbelo& w, const char* name) { return w.findChild<QLineEdit*>(QString::fromLatin1(name)); }

QPushButton* button(FrmOrbelo& w, const char* name) { return w.findChild<QPushButton*>(QString::fromLatin1(name)); }

QLineEdit* lineBox(FrmOrbelo& w, ServiceText kind, int line) {
    return w.findChild<QLineEdit*>(QStringLiteral("txt") + lineName(kind, line));
}

QCheckBox* styleBox(FrmOrbelo& w, ServiceText kind, int line, char style) {
    const QString name = lineName(kind, line);
    return w.findChild<QCheckBox*>(QStringLiteral("chk%1%2%3").arg(name.left(name.indexOf(QLatin1Char('('))))
                                       .arg(QLatin1Char(style))
                                       .arg(name.mid(name.indexOf(QLatin1Char('(')))));
}

QString lineText(FrmOrbelo& w, ServiceText kind, int line) {
    const QString text = lineBox(w, kind, line)->text();
    return !text.isEmpty() && styleBox(w, kind, line, 'D')->isChecked() ? kWide + text : text;
}

void showLine(FrmOrbelo& w, ServiceText kind, int line, const QString& stored) {
    const bool wide = stored.startsWith(kWide);
    lineBox(w, kind, line)->setText(wide ? stored.mid(1) : stored);
    styleBox(w, kind, line, 'D')->setChecked(wide);
}

QString lastRead(FrmOrbelo& w, ServiceText kind, int line) {
    return lineBox(w, kind, line)->property(kLastRead).toString();
}

void rememberRead(FrmOrbelo& w, ServiceText kind, int line, const QString& stored) {
    lineBox(w, kind, line)->setProperty(kLastRead, stored);
}

void notKept(QLineEdit* box, const QString& why) {
    if (!why.isEmpty()) box->clear();
    box->setToolTip(why);
    box->setProperty(kNotKept, !why.isEmpty());
}

bool isKept(const QLineEdit* box) { return !box->property(kNotKept).toBool(); }

void unread(QLineEdit* box, const QString& why) {
    notKept(box, {});
    box->clear();
    box->setToolTip(why);
}

}  // namespace service_page
