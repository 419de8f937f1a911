// SPDX-License-Identifier: GPL-3.0-or-later
// Profiles: the file's bytes, what reading and saving again makes of odd lines, damage; the names that make a pupil.
#include "storage/ImpostazioniUtente.h"
#include "storage/Percorsi.h"
#include "support/AmbienteProva.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Neighbouring values differ, numbers at their ranges' ends; then the later lines, off.
const QByteArray kVenticinqueRighe =
    "corsivo\r\n/scuola/liste/citt\xE0.txt\r\nFalse\r\n 50 \r\n 400 \r\nTrue\r\nFalse\r\nTrue\r\nComic Sans MS\r\n"
    " 1 \r\nTrue\r\nIndis1\r\nArial\r\n 1638 \r\n 16777215 \r\n 0 \r\n 16777152 \r\nFalse\r\nTrue\r\nFalse\r\n 2 \r\n"
    " 60 \r\n-2147483633 \r\n-2147483624 \r\n 0 \r\n";
const QByteArray kAggiuntePredefinite = " 1 \r\n 0 \r\n 0 \r\n 0 \r\nFalse\r\nFalse\r\n 0 \r\n\r\n\r\n";
const QByteArray kProfilo = kVenticinqueRighe + kAggiuntePredefinite;
// clang-format off
const ImpostazioniUtente kValori{"corsivo", "/scuola/liste/città.txt", false, 50, 400, true, false, true,
                                 "Comic Sans MS", 1, true, "Indis1", "Arial", 1638, 16777215, 0, 16777152,
                                 false, true, false, 2, 60, -2147483633.0, -2147483624.0, 0,
                                 1, 0, 0, 0, false, false, 0, "", ""};
// clang-format on

// kProfilo with its line `riga` (from 0) replaced.
QByteArray conRiga(int riga, const QByteArray& testo)
{
    QList<QByteArray> righe = kProfilo.split('\n');
    righe[riga] = testo + '\r';
    return righe.join('\n');
}

// Rows of names, each with the same expected outcome.
void righe(const QStringList& nomi, const QString& motivo)
{
    for (const QString& nome : nomi)
        QTest::newRow(qPrintable(nome.left(20))) << nome << motivo;
}

const Percorsi kPercorsi(QStringLiteral("/programma"), QStringLiteral("/scuola/../radice//"), QStringLiteral("/font"));
} // namespace

class TestImpostazioni : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;
    QString profilo(const QString& nome) const { return m_ambiente.percorsi().profiloUtente(nome); }
    const QString m_letto = profilo(QStringLiteral("letto"));
    std::optional<QString> m_avviso; // of the last read

    // The settings read from a profile of that content; a null content: no profile at all.
    ImpostazioniUtente dalFile(const QByteArray& contenuto, bool fifo = false)
    {
        if (!fifo)
            QFile::remove(m_letto);
        if (!contenuto.isNull())
            AmbienteProva::scrivi(m_letto, contenuto);
        ImpostazioniUtente impostazioni = kValori; // nothing of it may be left
        m_avviso = FileProfilo::LeggiUtente(impostazioni, m_letto, m_ambiente.percorsi());
        return impostazioni;
    }
    // A damaged profile is told and kept beside itself as it was; a sound or missing one is not.
    void verificaCopia(const QByteArray& contenuto, bool danneggiato)
    {
        const QString copia = m_letto + QStringLiteral(".danneggiato");
        QVERIFY(bool(m_avviso) == danneggiato && QFile::exists(copia) == danneggiato);
        if (!danneggiato)
            return;
        QCOMPARE(AmbienteProva::leggi(copia), contenuto);
        QVERIFY2(m_avviso->contains(QDir::toNativeSeparators(m_letto)) &&
                     m_avviso->contains(QDir::toNativeSeparators(copia)),
                 qPrintable(*m_avviso));
    }

private slots:
    void init()
    {
        const QString utenti = m_ambiente.percorsi().cartellaUtenti();
        QVERIFY(QDir(utenti).removeRecursively() && QDir().mkpath(utenti));
    }

    // Out of range: the line's default, damaged; 25 or 30 lines: the later ones off; fewer among them: kept.
    void rilettoERisalvato_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QByteArray>("risalvato");
        QTest::addColumn<bool>("danneggiato");
        QTest::newRow("maiuscolo in capitali") << conRiga(0, "MAIUSCOLO") << kProfilo << false;
        QTest::newRow("minuscolo abbreviato") << conRiga(0, "min") << conRiga(0, "minuscolo") << false;
        QTest::newRow("spazi dopo la lista") << conRiga(1, "/a b.txt   ") << conRiga(1, "/a b.txt") << false;
        QTest::newRow("true minuscolo è falso") << conRiga(5, "true") << conRiga(5, "False") << false;
        QTest::newRow("T basta per vero") << conRiga(6, "Tutto") << conRiga(6, "True") << false;
        QTest::newRow("numero senza spazi") << conRiga(3, "200") << conRiga(3, " 200 ") << false;
        QTest::newRow("tra virgolette") << conRiga(1, "\"/a, b.txt\" resto") << conRiga(1, "\"/a, b.txt\"") << false;
        QTest::newRow("virgola senza virgolette") << conRiga(1, " /a, b.txt") << conRiga(1, "\"/a, b.txt\"") << false;
        QTest::newRow("spazi attorno a un testo") << conRiga(8, "  Comic  ") << conRiga(8, "Comic  ") << false;
        QTest::newRow("solo a capo lf") << QByteArray(kProfilo).replace("\r\n", "\n") << kProfilo << false;
        QTest::newRow("righe in più") << kProfilo + "riga in più\r\n 7 \r\n" << kProfilo << false;
        QTest::newRow("primo colore di sistema") << conRiga(22, "-2147483648 ") << conRiga(22, "-2147483648 ") << false;
        QTest::newRow("fumetto a 12,5 punti") << conRiga(9, " 12.5 ") << conRiga(9, " 14 ") << true;
        QTest::newRow("testo oltre i 16 bit") << conRiga(13, " 65608 ") << conRiga(13, " 28 ") << true;
        QTest::newRow("colore 1E+20") << conRiga(14, "1E+20") << conRiga(14, " 0 ") << true;
        QTest::newRow("colore oltre il bianco") << conRiga(15, " 16777216 ") << conRiga(15, " 16777215 ") << true;
        QTest::newRow("colore negativo") << conRiga(16, "-1 ") << conRiga(16, " 16777152 ") << true;
        QTest::newRow("colore di sistema 25") << conRiga(22, "-2147483623 ") << conRiga(22, "-2147483633 ") << true;
        QTest::newRow("colore oltre i 32 bit") << conRiga(23, "-2147483649 ") << conRiga(23, " 255 ") << true;
        QTest::newRow("sosta 499") << conRiga(31, " 499 ") << kProfilo << true;
        const QByteArray trenta = kVenticinqueRighe + " 4 \r\n 2000 \r\n 0 \r\n 20 \r\nTrue\r\n";
        const QByteArray spenti = "False\r\nFalse\r\n 0 \r\n\r\n\r\n"; // words lit, rest, the switches
        QTest::newRow("25 righe") << kVenticinqueRighe << kProfilo << false;
        QTest::newRow("29 righe") << kVenticinqueRighe + " 2 \r\n 200 \r\n 300 \r\n 3 \r\n"
                                  << kVenticinqueRighe + " 2 \r\n 200 \r\n 300 \r\n 3 \r\n" + spenti << false;
        QTest::newRow("30 righe") << trenta << trenta + spenti.mid(7) << false;
        QTest::newRow("rilascio a parole") << kVenticinqueRighe + " 2 \r\n 200 \r\nlungo\r\n 3 \r\n"
                                           << kVenticinqueRighe + " 2 \r\n 200 \r\n 0 \r\n 3 \r\n" + spenti << true;
        for (const QByteArray sensori :
             {"True\r\n 1500 \r\ntasto:F7\r\njoystick:3\r\n", "False\r\n 5000 \r\nmouse:indietro\r\ntasto:Return\r\n"})
            QTest::newRow(sensori.constData()) << trenta + sensori << trenta + sensori << false;
        for (const QByteArray sconosciuti : {"tasto:Key_F7\r\nmouse:Destro\r\n", "joystick:256\r\njoystick:03\r\n"})
            QTest::newRow(sconosciuti.constData())
                << trenta + "False\r\n 500 \r\n" + sconosciuti << trenta + "False\r\n 500 \r\n\r\n\r\n"
                << true;
        // Just outside each number's range, as the profile's table gives it.
        for (int n = 0; n < FileProfilo::kRigheProfilo; ++n) {
            const FileProfilo::RigaProfilo& riga = FileProfilo::righeProfilo()[n];
            for (double fuori : {riga.minimo - 1, riga.massimo + 1}) {
                if (riga.genere == FileProfilo::RigaProfilo::Genere::Numero)
                    QTest::addRow("riga %d a %g", n, fuori)
                        << conRiga(n, TestoAnsi::numeroConSegno(fuori).toLatin1())
                        << conRiga(n, TestoAnsi::numeroConSegno(riga.predefinito).toLatin1()) << true;
            }
        }
    }
    void rilettoERisalvato()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QByteArray, risalvato);
        QFETCH(bool, danneggiato);
        QVERIFY(!FileProfilo::SalvaUtente(dalFile(contenuto), profilo(QStringLiteral("risalvato"))));
        QCOMPARE(AmbienteProva::leggi(profilo(QStringLiteral("risalvato"))), risalvato);
        verificaCopia(contenuto, danneggiato);
    }

    // Every default: a damaged file told and kept; a FIFO read at once; a link told, neither read nor copied.
    void difettosoOMancanteDaIPredefiniti_data()
    {
        QTest::addColumn<QByteArray>("contenuto"); // null: no file
        QTest::newRow("24 righe") << kVenticinqueRighe.chopped(5);
        QTest::newRow("testo dove va un numero") << conRiga(3, "veloce");
        QTest::newRow("virgola in un testo") << conRiga(8, "Arial, Grassetto");
        QTest::newRow("oltre 64 KB") << kProfilo + QByteArray(64 * 1024, '\n');
        QTest::newRow("file vuoto") << QByteArray("");
        QTest::newRow("file mancante") << QByteArray();
        QTest::newRow("fifo") << QByteArray("fifo");
        QTest::newRow("collegamento a un profilo altrove") << QByteArray("->");
    }
    void difettosoOMancanteDaIPredefiniti()
    {
        QFETCH(QByteArray, contenuto);
        ImpostazioniUtente predefinite;
        FileProfilo::ImpostazioniPredefinite(predefinite, m_ambiente.percorsi());
        const bool fifo = contenuto == "fifo", collegamento = contenuto == "->", speciale = fifo || collegamento;
        if (fifo)
            AmbienteProva::creaFifo(m_letto);
        AmbienteProva::scrivi(m_ambiente.file(QStringLiteral("giudizi.ini")), kProfilo);
        QVERIFY(!collegamento || QFile::link(m_ambiente.file(QStringLiteral("giudizi.ini")), m_letto));
        QCOMPARE(dalFile(speciale ? QByteArray() : contenuto, speciale), predefinite);
        QVERIFY(speciale || AmbienteProva::leggi(m_letto) == contenuto);
        if (collegamento) // told, and neither read nor copied
            QVERIFY(m_avviso->contains(QStringLiteral("collegamento")) && !QFile::exists(m_letto + ".danneggiato"));
        else
            verificaCopia(contenuto, !contenuto.isNull() && !fifo);
    }

    // The same damage read again keeps its one copy; another damage never replaces an older copy.
    void ogniDannoConservatoUnaVolta()
    {
        const QByteArray primo = conRiga(3, "-5");
        const QByteArray secondo = conRiga(14, "rosso");
        for (const QByteArray& contenuto : {primo, primo, secondo, primo})
            dalFile(contenuto);
        QCOMPARE(QDir(m_ambiente.percorsi().cartellaUtenti()).entryList({"letto.ini.*"}, QDir::Files, QDir::Name),
                 QStringList({"letto.ini.danneggiato", "letto.ini.danneggiato2"}));
        QCOMPARE(AmbienteProva::leggi(m_letto + ".danneggiato"), primo);
        QCOMPARE(AmbienteProva::leggi(m_letto + ".danneggiato2"), secondo);
        QVERIFY2(m_avviso->contains("letto.ini.danneggiato\""), qPrintable(*m_avviso));
    }

    // A text is written so that it reads back the same, or refused with the old file kept.
    void testoRilettoORifiutato_data()
    {
        QTest::addColumn<int>("riga"); // 1: the list, 8: the balloon font
        QTest::addColumn<QString>("valore");
        QTest::addColumn<QByteArray>("scritto"); // null: refused
        QTest::newRow("virgolette in mezzo") << 8 << "Arial \"Nuovo\"" << QByteArray("Arial \"Nuovo\"");
        QTest::newRow("virgolette all'inizio") << 8 << "\"Arial" << QByteArray();
        QTest::newRow("a capo") << 8 << "Arial\r\nNero" << QByteArray();
        QTest::newRow("spazi in fondo alla lista") << 1 << "/liste/a.txt " << QByteArray();
    }
    void testoRilettoORifiutato()
    {
        QFETCH(int, riga);
        QFETCH(QString, valore);
        QFETCH(QByteArray, scritto);
        ImpostazioniUtente impostazioni = kValori;
        (riga == 1 ? impostazioni.ListaInUso : impostazioni.FontFumetto) = valore;
        AmbienteProva::scrivi(m_letto, kProfilo);
        const std::optional<QString> errore = FileProfilo::SalvaUtente(impostazioni, m_letto);
        QCOMPARE(AmbienteProva::leggi(m_letto), scritto.isNull() ? kProfilo : conRiga(riga, scritto));
        QVERIFY2(scritto.isNull() == (errore && errore->contains(valore)), qPrintable(errore.value_or(QString())));
        QVERIFY(scritto.isNull() || dalFile(conRiga(riga, scritto)) == impostazioni);
    }

    // Which files of the users folder stand for a user, and his profile path names such a file.
    void utenteDelProfilo()
    {
        for (const QString& file : QStringList{"Marco.ini", "Carlo.INI", "...ini"}) {
            const std::optional<QString> nome = Percorsi::utenteDelProfilo(file);
            QCOMPARE(nome.value_or(QString()), file.chopped(4));
            QCOMPARE(QFileInfo(QFileInfo(Percorsi::nativo(kPercorsi.profiloUtente(*nome))).absolutePath() + u'/'),
                     QFileInfo(kPercorsi.cartellaUtenti()));
        }
        for (const char* file : {"note.txt", ".ini", "..\\..\\vittima.ini", "../vittima.ini", "anna\\.ini"})
            QVERIFY2(!Percorsi::utenteDelProfilo(QString::fromUtf8(file)), file);
    }

    // A typed name is a file name Windows can hold too, or refused with a reason (a word of it; null: accepted).
    void nomeDiUnAlunno_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("motivo");
        righe({"Marco Rossi", "Nicolò D'Amico", "Anna ", "A. Bianchi", "Conte", "COM0", QString(100, u'è')}, QString());
        righe({"Marco/Anna", "..\\vittima", "C:", "Rossi, Marco", "\"Marco\"", "Marco\nAnna"}, "virgola");
        righe({"..", "Anna..Rossi"}, "due punti");
        righe({" . "}, "lettera");
        righe({"con", "NUL.txt", "lpt1 "}, "Windows");
        righe({QString(201, u'a'), QString(130, u'à')}, "200");
        righe({QStringLiteral("Marco\u202Eocra"), QStringLiteral("Anna\u200B"), QStringLiteral("Leo\u0085")},
              "invisibili");
    }
    void nomeDiUnAlunno()
    {
        QFETCH(QString, nome);
        QFETCH(QString, motivo);
        const std::optional<QString> rifiuto = Percorsi::motivoNomeNonValido(nome);
        QVERIFY2(rifiuto.value_or(QString()).contains(motivo) && rifiuto.has_value() == !motivo.isNull(),
                 qPrintable(rifiuto.value_or(QStringLiteral("accettato"))));
        QVERIFY(rifiuto || Percorsi::utenteDelProfilo(nome + QStringLiteral(".ini")) == nome);
    }

    // A user's record folder lies right inside "dati"; a name that would lead elsewhere has none.
    void cartellaDeiRegistri()
    {
        for (const char* nome : {"Marco Rossi", "Rossi, Marco", "A..B"}) {
            const std::optional<QString> cartella = kPercorsi.cartellaRegistri(QString::fromUtf8(nome));
            QVERIFY2(cartella, nome);
            QCOMPARE(QFileInfo(QDir::cleanPath(*cartella)).absolutePath() + u'/', kPercorsi.cartellaDati());
        }
        for (const char* nome : {"", ".", "..", " .. ", "../altro", "..\\altro", "C:altro", "Marco\nAnna"})
            QVERIFY2(!kPercorsi.cartellaRegistri(QString::fromUtf8(nome)), nome);
    }

    // A pupil's folder made on another computer is found whatever the letter case his name is typed in.
    void risoltoSenzaMaiuscole()
    {
        QTemporaryDir radice;
        QVERIFY(QDir(radice.path()).mkdir(QStringLiteral("Marco Rossi")));
        for (const char* nome : {"marco rossi", "MARCO ROSSI", "Marco Rossi"})
            QCOMPARE(Percorsi::risoltoSenzaMaiuscole(radice.filePath(nome)), radice.filePath("Marco Rossi"));
    }
};

QTEST_GUILESS_MAIN(TestImpostazioni)
#include "tst_impostazioni.moc"
