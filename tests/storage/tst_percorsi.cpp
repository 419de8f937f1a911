// SPDX-License-Identifier: GPL-3.0-or-later
// The users folder and the record folders: which files stand for a user, and that what a user names stays inside.
#include "storage/Percorsi.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Rows of names, each with the same expected outcome.
void righe(const QStringList& nomi, const QString& motivo)
{
    for (const QString& nome : nomi)
        QTest::newRow(qPrintable(nome.left(20))) << nome << motivo;
}

const Percorsi kPercorsi(QStringLiteral("/programma"), QStringLiteral("/radice"), QStringLiteral("/font"));
} // namespace

class TestPercorsi : public QObject {
    Q_OBJECT
private slots:
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
        if (!rifiuto)
            QCOMPARE(Percorsi::utenteDelProfilo(nome + QStringLiteral(".ini")), nome);
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

QTEST_GUILESS_MAIN(TestPercorsi)
#include "tst_percorsi.moc"
