// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialogs for a colour, a file and a font, over Qt's own dialogs.
#include "support/DialoghiStandard.h"

#include "support/Colori.h"
#include "support/ColoriWindows.h"
#include "support/DialogoCarattere.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QQueue>
#include <QUrl>
#include <cmath>
#include <variant>

namespace {
struct Annullato {};
using Risposta = std::variant<Annullato, QColor, QString, QFont>;

struct Intercettazione {
    bool attiva = false;
    QQueue<Risposta> risposte;
    QStringList richieste;
};
Intercettazione& intercettazione()
{
    static Intercettazione dati;
    return dati;
}

// The test's answer for a dialog, written down with its request: a cancel when none is queued.
Risposta prossimaRisposta(const QString& richiesta)
{
    Intercettazione& dati = intercettazione();
    dati.richieste << richiesta;
    return dati.risposte.isEmpty() ? Risposta(Annullato{}) : dati.risposte.dequeue();
}

// The test's answer for a dialog of this kind: empty when the dialog is cancelled.
template <typename Tipo> std::optional<Tipo> rispostaDiProva(const QString& richiesta)
{
    const Risposta risposta = prossimaRisposta(richiesta);
    if (const Tipo* valore = std::get_if<Tipo>(&risposta))
        return *valore;
    return std::nullopt;
}

// The test's answer for a print dialog: a PDF file to print to, or a cancel.
bool stampaDiProva(const QString& richiesta, QPrinter& printer)
{
    const std::optional<QString> pdf = rispostaDiProva<QString>(richiesta);
    if (!pdf)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*pdf);
    return true;
}

// "desc\0pattern\0desc\0pattern\0\0" as Qt writes it: "desc (pattern);;desc (pattern)".
QString filtroQt(const QString& filtro)
{
    const QStringList parti = filtro.split(QChar(u'\0'));
    QStringList voci;
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
        if (parti[i].isEmpty() && parti[i + 1].isEmpty())
            break;
        QString modello = parti[i + 1];
        modello.replace(u';', u' ');
#ifndef Q_OS_WIN
        // "*.*" means every file on Windows; here it would leave out the names without a dot.
        if (modello == QStringLiteral("*.*"))
            modello = QStringLiteral("*");
#endif
        const QString descrizione = parti[i].isEmpty() ? parti[i + 1] : parti[i];
        voci << QStringLiteral("%1 (%2)").arg(descrizione, modello);
    }
    return voci.join(QStringLiteral(";;"));
}

void applicaFont(QWidget* target, const QString& famiglia, double punti)
{
    QFont carattere = target->font();
    carattere.setFamily(famiglia);
    // Whole points, a half going to the even neighbour, as the profile keeps them.
    carattere.setPointSize(static_cast<int>(std::nearbyint(punti)));
    carattere.setBold(false);
    carattere.setItalic(false);
    carattere.setUnderline(false);
    target->setFont(carattere);
}
} // namespace

namespace DialoghiStandard {

bool scegliColore(QWidget* owner, QWidget* target)
{
    std::optional<QColor> scelto;
    if (intercettazione().attiva) {
        scelto = rispostaDiProva<QColor>(QStringLiteral("colore"));
    } else {
        // The custom colours start black at every call, as the dialog always has.
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            QColorDialog::setCustomColor(i, Qt::black);
        const QColor colore = QColorDialog::getColor(Qt::black, owner, QStringLiteral("Colore"));
        if (colore.isValid())
            scelto = colore;
    }
    if (!scelto)
        return false;
    Colori::impostaTesto(target, ColoriWindows::numeroDi(*scelto));
    return true;
}

QString scegliFile(QWidget* owner, qint16 modo, const QString& titolo, const QString& nomeIniziale,
                   const QString& filtro, const QString& cartellaIniziale, const QString& estensione,
                   const QStringList& altreCartelle)
{
    const bool apri = modo == kApri;
    if (intercettazione().attiva) {
        QString richiesta = QStringLiteral("%1 %2|%3|%4|%5")
                                .arg(apri ? QStringLiteral("apri") : QStringLiteral("salva"), titolo, cartellaIniziale,
                                     filtroQt(filtro), estensione);
        if (!altreCartelle.isEmpty())
            richiesta += u'|' + altreCartelle.join(u';');
        return rispostaDiProva<QString>(richiesta).value_or(QString());
    }
    // A missing folder would be offered as the file's name: the dialog starts in its parent instead.
    QFileDialog dialogo(owner, titolo,
                        QFileInfo(cartellaIniziale).isDir() ? cartellaIniziale : QFileInfo(cartellaIniziale).path(),
                        filtroQt(filtro));
    dialogo.setAcceptMode(apri ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialogo.setFileMode(apri ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialogo.setDefaultSuffix(estensione);
    if (!nomeIniziale.isEmpty())
        dialogo.selectFile(nomeIniziale);
    // The side panel is the dialog's own (a desktop's dialog would not show these folders), set at every call:
    // Qt would otherwise offer the last dialog's folders in the next one.
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    QList<QUrl> pannello{QUrl::fromLocalFile(cartellaIniziale)};
    for (const QString& cartella : altreCartelle)
        pannello << QUrl::fromLocalFile(cartella);
    pannello << QUrl::fromLocalFile(QDir::homePath());
    dialogo.setSidebarUrls(pannello);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return QString();
    return dialogo.selectedFiles().constFirst();
}

bool scegliFont(QWidget* owner, QWidget* target, const std::optional<QFont>& partenza)
{
    const QFont iniziale = partenza.value_or(target->font());
    DialogoCarattere dialogo(iniziale.family(), iniziale.pointSize(), owner);
    if (intercettazione().attiva) {
        const Risposta risposta =
            prossimaRisposta(QStringLiteral("font %1 %2").arg(iniziale.family()).arg(iniziale.pointSize()));
        const QFont* scelto = std::get_if<QFont>(&risposta);
        if (scelto)
            applicaFont(target, scelto->family(), scelto->pointSizeF());
        return scelto != nullptr;
    }
    if (dialogo.exec() != QDialog::Accepted)
        return false;
    applicaFont(target, dialogo.famiglia(), dialogo.punti());
    return true;
}

bool scegliStampante(QWidget* owner, QPrinter& printer)
{
    if (intercettazione().attiva)
        return stampaDiProva(QStringLiteral("stampa"), printer);
    QPrintDialog dialogo(&printer, owner);
    dialogo.setWindowTitle(QStringLiteral("Stampa"));
    return dialogo.exec() == QDialog::Accepted;
}

void mostraAnteprima(QWidget* owner, QPrinter& printer, const std::function<void(QPrinter*)>& paint)
{
    if (intercettazione().attiva) {
        if (stampaDiProva(QStringLiteral("anteprima"), printer))
            paint(&printer);
        return;
    }
    QPrintPreviewDialog dialogo(&printer, owner);
    dialogo.setWindowTitle(QStringLiteral("Anteprima di stampa"));
    // As large as the screen it comes from: a smaller one hides the end of its toolbar, the print button too.
    if (owner)
        dialogo.setGeometry(owner->window()->geometry());
    QObject::connect(&dialogo, &QPrintPreviewDialog::paintRequested, &dialogo, paint);
    dialogo.exec();
}

namespace Prova {
void intercetta(bool attiva)
{
    intercettazione().attiva = attiva;
    intercettazione().risposte.clear();
}
void rispondiColore(const QColor& colore)
{
    intercettazione().risposte.enqueue(colore);
}
void rispondiFile(const QString& percorso)
{
    if (percorso.isEmpty())
        annulla();
    else
        intercettazione().risposte.enqueue(percorso);
}
void rispondiFont(const QFont& carattere)
{
    intercettazione().risposte.enqueue(carattere);
}
void annulla()
{
    intercettazione().risposte.enqueue(Annullato{});
}
QStringList richieste()
{
    return intercettazione().richieste;
}
void dimentica()
{
    intercettazione().richieste.clear();
}
} // namespace Prova

} // namespace DialoghiStandard
