// The users folder: which of its files stand for a user, and that a user's profile stays inside it.
#include "storage/Percorsi.h"

#include <QFileInfo>
#include <QTest>

class TestPercorsi : public QObject {
    Q_OBJECT
private slots:
    void utenteDelProfilo_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("utente"); // null: not a user
        QTest::newRow("profilo") << "Marco.ini"
                                 << "Marco";
        QTest::newRow("estensione maiuscola") << "Carlo.INI"
                                              << "Carlo";
        QTest::newRow("punti nel nome") << "...ini"
                                        << "..";
        QTest::newRow("altro file") << "note.txt" << QString();
        QTest::newRow("solo l'estensione") << ".ini" << QString();
        QTest::newRow("barre rovesciate") << "..\\..\\..\\vittima.ini" << QString();
        QTest::newRow("barre") << "../vittima.ini" << QString();
        QTest::newRow("barra rovesciata in fondo") << "anna\\.ini" << QString();
    }
    void utenteDelProfilo()
    {
        QFETCH(QString, file);
        QFETCH(QString, utente);
        const std::optional<QString> nome = Percorsi::utenteDelProfilo(file);
        QCOMPARE(nome.value_or(QString()), utente);
        if (!nome)
            return;
        // The profile path, as it is opened on this system, names a file of the users folder.
        const Percorsi percorsi(QStringLiteral("/programma"), QStringLiteral("/radice"), QStringLiteral("/font"));
        const QFileInfo profilo(Percorsi::nativo(percorsi.profiloUtente(*nome)));
        QCOMPARE(QFileInfo(profilo.absolutePath() + u'/'), QFileInfo(percorsi.cartellaUtenti()));
    }
};

QTEST_GUILESS_MAIN(TestPercorsi)
#include "tst_percorsi.moc"
