// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the teachers' manual from docs/manuale.md: "documento.pdf" with pictures of the real screens, taken
// offscreen from a program over temporary folders, and "documentazione.rtf" with the same text for the home
// screen. One source, so the two never disagree.
//   genera-manuale manuale.md cartella-di-uscita
#include "app/Ordiparo.h"
#include "exercise/SchermataEsercizio.h"
#include "home/SchermataInformazioni.h"
#include "home/SchermataMenu.h"
#include "results/SchermataEserciziEseguiti.h"
#include "settings/EditorListe.h"
#include "settings/SceltaImmagine.h"
#include "settings/SchermataConfigurazioni.h"
#include "startup/SchermataAvvio.h"
#include "storage/StatoProgramma.h"
#include "storage/TestoAnsi.h"
#include "support/Messaggi.h"
#include "support/SuonoFeedback.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFontDatabase>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTimer>

namespace {
constexpr int kLarghezzaFigura = 440; // in the document's units: about 12 cm on the page

QString sorgente(const QString& relativo)
{
    return QStringLiteral(ORDIPARO_SORGENTI "/") + relativo;
}

void attendi(int ms)
{
    QEventLoop attesa;
    QTimer::singleShot(ms, &attesa, &QEventLoop::quit);
    attesa.exec();
}

QImage foto(QWidget* finestra)
{
    attendi(50); // let queued layout and painting settle
    return finestra->grab().toImage();
}

// The screens a teacher meets, shown as they are after a plain start with two pupils.
QMap<QString, QImage> fotografaSchermate()
{
    QMap<QString, QImage> foto_;
    // A program over temporary folders, silent, without the character (whose place shows the screen's background),
    // its messages kept from showing.
    const QTemporaryDir cartella;
    const QString programma = cartella.path() + QStringLiteral("/programma/");
    QDir().mkpath(programma + QStringLiteral("testiordiparo"));
    QFile::copy(sorgente(QStringLiteral("assets/testiordiparo/frasi.txt")),
                programma + QStringLiteral("testiordiparo/frasi.txt"));
    StatoProgramma stato(Percorsi(programma,
                                  cartella.path() + QStringLiteral("/impostazioni/ImpostazioniProgrammiLumio/"),
                                  cartella.path() + QStringLiteral("/fonts/")));
    stato.casualeGeneratore.seed(1234);
    stato.rendiCorrenteUtentePredefinito();
    stato.LinguaAgente = QStringLiteral("&H410");
    struct : SuonoFeedback {
        void suona(const QString&) override {}
    } muto;
    Ordiparo p(stato, muto);
    Messaggi::Prova::intercetta(true);
    QDir().mkpath(stato.percorsi.cartellaUtenti());
    stato.ImpostazioniUtente.StileLettere = QStringLiteral("maiuscolo");
    // The list in use as a teacher's own would read, not the temporary folder this program runs over.
    stato.ImpostazioniUtente.ListaInUso =
        QStringLiteral("/home/maestra/.local/share/ImpostazioniProgrammiLumio/Ordiparo/liste/"
                       "animali.txt");
    for (const QString& nome : {QStringLiteral("Anna"), QStringLiteral("Leo")})
        FileProfilo::SalvaUtente(stato.ImpostazioniUtente, stato.percorsi.profiloUtente(nome));
    stato.NomeUtente = QStringLiteral("Anna");
    stato.PercorsoUtente = stato.percorsi.profiloUtente(stato.NomeUtente);
    CaricaLista(stato.TabellaFrasi, stato.ImpostazioniUtente.ListaInUso, stato.percorsi);
    // The program's own pictures, for the chooser's thumbnails.
    const QDir immagini(sorgente(QStringLiteral("assets/immagini")));
    QDir().mkpath(stato.percorsi.cartellaImmagini());
    for (const QString& nome : immagini.entryList(QDir::Files))
        QFile::copy(immagini.filePath(nome), stato.percorsi.cartellaImmagini() + nome);

    SchermataAvvio* avvio = p.apriAvvio();
    foto_[QStringLiteral("avvio")] = foto(avvio);
    SchermataMenu* menu = p.apriMenu(avvio);
    foto_[QStringLiteral("menu")] = foto(menu);
    SchermataEsercizio* esercizio = p.apriEsercizio(menu);
    attendi(300);
    foto_[QStringLiteral("esercizio")] = foto(esercizio);
    SchermataConfigurazioni* configura = p.apriConfigurazioni(p.apriMenu(esercizio));
    for (int scheda = 0; scheda < configura->findChild<QTabBar*>()->count(); ++scheda) {
        configura->findChild<QTabBar*>()->setCurrentIndex(scheda);
        foto_[QStringLiteral("configura%1").arg(scheda + 1)] = foto(configura);
    }
    configura->findChild<QTabBar*>()->setCurrentIndex(1); // "Gestione files" is on the second tab
    configura->editorListe()->apri();
    foto_[QStringLiteral("editor")] = foto(configura);
    configura->editorListe()->sceltaImmagine->apri();
    attendi(500); // the thumbnails are made in the background
    foto_[QStringLiteral("immagini")] = foto(configura);
    stato.RegistroEsercizi.aggiungi(QStringLiteral("Il gatto dorme sul divano."), QStringLiteral("Il gatto dorme."));
    stato.RegistroEsercizi.aggiungi(QStringLiteral("Il gatto dorme sul divano."), QStringLiteral("Il cane corre."));
    stato.RegistroEsercizi.segnaErrore();
    SchermataEserciziEseguiti* registro = p.apriEserciziEseguiti(p.apriMenu(configura));
    foto_[QStringLiteral("registro")] = foto(registro);
    SchermataInformazioni* info = p.apriInformazioni(p.apriMenu(registro));
    foto_[QStringLiteral("informazioni")] = foto(info);
    return foto_;
}

// RTF keeps to 7-bit text: the rest is written as Windows-1252 bytes or, beyond them, as Unicode numbers whose
// stand-in is an escaped "?" (unrtf skips a plain letter that follows one).
QByteArray testoRtf(const QString& testo)
{
    QByteArray rtf;
    for (const QChar c : testo) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            rtf += '\\';
            rtf += static_cast<char>(u);
        } else if (u == u'\n' || u == QChar::LineSeparator) {
            rtf += "\\line ";
        } else if (u == u'\t') {
            rtf += "\\tab ";
        } else if (u < 0x80) {
            rtf += static_cast<char>(u);
        } else if (const QByteArray ansi = TestoAnsi::codifica(QString(c)); ansi.size() == 1) {
            rtf += "\\'" + ansi.toHex();
        } else {
            rtf += "\\u" + QByteArray::number(static_cast<qint16>(u)) + "\\'3f";
        }
    }
    return rtf;
}

QByteArray documentoRtf(const QTextDocument& documento)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}\r\n"
                     "\\viewkind4\\uc1\\f0\\fs24\r\n";
    static const int kPuntiTitolo[] = {0, 36, 30, 26, 24, 24, 24};
    for (QTextBlock blocco = documento.begin(); blocco.isValid(); blocco = blocco.next()) {
        const int livello = blocco.blockFormat().headingLevel();
        QByteArray paragrafo = "\\pard\\plain\\sa120";
        if (livello > 0)
            paragrafo += "\\sb240\\b\\fs" + QByteArray::number(kPuntiTitolo[std::min(livello, 6)]) + ' ';
        else
            paragrafo += "\\fs24 ";
        if (QTextList* elenco = blocco.textList()) {
            const int rientro = 360 * elenco->format().indent();
            paragrafo += "\\li" + QByteArray::number(rientro) + "\\fi-240 ";
            paragrafo += elenco->format().style() == QTextListFormat::ListDecimal
                             ? testoRtf(QStringLiteral("%1. ").arg(elenco->itemNumber(blocco) + 1))
                             : QByteArray("\\bullet  ");
        }
        bool vuoto = true;
        for (auto it = blocco.begin(); !it.atEnd(); ++it) {
            const QTextFragment pezzo = it.fragment();
            const QTextCharFormat formato = pezzo.charFormat();
            if (formato.isImageFormat()) {
                // The pictures are in the PDF only, and so is the caption under each.
                blocco = blocco.next();
                break;
            }
            QByteArray stile;
            if (formato.fontWeight() >= QFont::Bold && livello == 0)
                stile += "\\b";
            if (formato.fontItalic())
                stile += "\\i";
            if (formato.fontFixedPitch())
                stile += "\\f1";
            paragrafo += stile.isEmpty() ? testoRtf(pezzo.text()) : '{' + stile + ' ' + testoRtf(pezzo.text()) + '}';
            vuoto = vuoto && pezzo.text().trimmed().isEmpty();
        }
        if (vuoto)
            continue;
        rtf += paragrafo + (livello > 0 ? "\\b0" : "") + "\\par\r\n";
        // unrtf keeps no spacing after paragraphs: a blank line parts them, but not the items of one list.
        if (livello == 0 && !(blocco.textList() && blocco.next().textList() == blocco.textList()))
            rtf += "\\pard\\plain\\par\r\n";
    }
    return rtf + "}\r\n";
}

bool salva(const QString& percorso, const QByteArray& contenuto)
{
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(contenuto) != contenuto.size() || !file.commit()) {
        qCritical("cannot write %s: %s", qPrintable(percorso), qPrintable(file.errorString()));
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication applicazione(argc, argv);
    applicazione.setStyle(QStringLiteral("Fusion"));
    if (argc != 3) {
        qCritical("use: genera-manuale manuale.md output-folder");
        return 2;
    }
    QFile testo(QString::fromLocal8Bit(argv[1]));
    if (!testo.open(QIODevice::ReadOnly)) {
        qCritical("cannot read %s", argv[1]);
        return 1;
    }
    const QString cartella = QString::fromLocal8Bit(argv[2]) + u'/';
    QFontDatabase::addApplicationFont(sorgente(QStringLiteral("assets/indis1.ttf")));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));

    QTextDocument documento;
    documento.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 11));
    documento.setMarkdown(QString::fromUtf8(testo.readAll()));
    if (!salva(cartella + QStringLiteral("documentazione.rtf"), documentoRtf(documento)))
        return 1;

    // Each picture named "schermata:<name>" in the text becomes that screen, scaled to the page.
    const QMap<QString, QImage> foto = fotografaSchermate();
    for (QTextBlock blocco = documento.begin(); blocco.isValid(); blocco = blocco.next()) {
        for (auto it = blocco.begin(); !it.atEnd(); ++it) {
            QTextImageFormat immagine = it.fragment().charFormat().toImageFormat();
            if (!immagine.isValid())
                continue;
            const QString nome = immagine.name().section(u':', 1);
            if (!foto.contains(nome)) {
                qCritical("no screen named %s", qPrintable(nome));
                return 1;
            }
            const QImage& schermo = foto[nome];
            documento.addResource(QTextDocument::ImageResource, QUrl(immagine.name()), schermo);
            immagine.setWidth(kLarghezzaFigura);
            immagine.setHeight(kLarghezzaFigura * schermo.height() / double(schermo.width()));
            QTextCursor cursore(&documento);
            cursore.setPosition(it.fragment().position());
            cursore.setPosition(it.fragment().position() + it.fragment().length(), QTextCursor::KeepAnchor);
            cursore.setCharFormat(immagine);
        }
    }
    {
        QPdfWriter pdf(cartella + QStringLiteral("documento.pdf.tmp"));
        pdf.setTitle(QStringLiteral("Ordiparo - Guida per gli insegnanti"));
        pdf.setCreator(QStringLiteral("Ordiparo"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        documento.print(&pdf); // the file is whole once the writer is gone
    }
    QFile::remove(cartella + QStringLiteral("documento.pdf"));
    if (!QFile::rename(cartella + QStringLiteral("documento.pdf.tmp"), cartella + QStringLiteral("documento.pdf"))) {
        qCritical("cannot write documento.pdf");
        return 1;
    }
    return 0;
}
