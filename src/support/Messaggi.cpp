// SPDX-License-Identifier: GPL-3.0-or-later
// Every message box of the program: title "Ordiparo", an Italian text, OK or Sì/No.
#include "support/Messaggi.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
constexpr char kTitolo[] = "Ordiparo";

struct Intercettazione {
    bool attiva = false;
    bool risposta = true;
    QStringList testi;
};
Intercettazione& intercettazione()
{
    static Intercettazione dati;
    return dati;
}
} // namespace

namespace Messaggi {

namespace {
void mostra(QWidget* genitore, const QString& testo, QMessageBox::Icon icona)
{
    if (intercettazione().attiva) {
        intercettazione().testi << testo;
        return;
    }
    QMessageBox box(icona, QString::fromLatin1(kTitolo), testo, QMessageBox::Ok, genitore);
    box.setTextFormat(Qt::PlainText); // messages quote names and texts from files
    box.exec();
}
} // namespace

void informa(QWidget* genitore, const QString& testo)
{
    mostra(genitore, testo, QMessageBox::Information);
}

void errore(QWidget* genitore, const QString& testo)
{
    mostra(genitore, testo, QMessageBox::Critical);
}

bool chiedi(QWidget* genitore, const QString& testo)
{
    if (intercettazione().attiva) {
        intercettazione().testi << testo;
        return std::exchange(intercettazione().risposta, true);
    }
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kTitolo), testo, QMessageBox::Yes | QMessageBox::No,
                    genitore);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sì"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

namespace Prova {
void intercetta(bool attiva)
{
    intercettazione().attiva = attiva;
}
void rispostaSuccessiva(bool si)
{
    intercettazione().risposta = si;
}
QStringList mostrati()
{
    return intercettazione().testi;
}
void dimentica()
{
    intercettazione().testi.clear();
}
} // namespace Prova

} // namespace Messaggi
