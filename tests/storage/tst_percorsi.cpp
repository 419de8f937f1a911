// The users folder and the record folders: which files stand for a user, and that what a user names stays inside.
#include "storage/Percorsi.h"

#include <QDir>
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

    // A typed pupil's name either names a file of the users folder that a Windows computer can hold too, or
    // is refused with a reason.
    void nomeDiUnAlunno_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("motivo"); // a word of the reason; null: accepted
        QTest::newRow("nome") << "Marco Rossi" << QString();
        QTest::newRow("accenti e apostrofo") << "Nicolò D'Amico" << QString();
        QTest::newRow("blank in fondo") << "Anna " << QString();
        QTest::newRow("punto nel nome") << "A. Bianchi" << QString();
        QTest::newRow("inizia come un dispositivo") << "Conte" << QString();
        QTest::newRow("COM0 non è riservato") << "COM0" << QString();
        QTest::newRow("barra") << "Marco/Anna"
                               << "virgola";
        QTest::newRow("barra rovesciata") << "..\\vittima"
                                          << "virgola";
        QTest::newRow("due punti") << "C:"
                                   << "virgola";
        QTest::newRow("virgola") << "Rossi, Marco"
                                 << "virgola";
        QTest::newRow("virgolette") << "\"Marco\""
                                    << "virgola";
        QTest::newRow("a capo") << "Marco\nAnna"
                                << "virgola";
        QTest::newRow("punto punto") << ".."
                                     << "due punti";
        QTest::newRow("solo punti e blank") << " . "
                                            << "lettera";
        QTest::newRow("dispositivo") << "con"
                                     << "Windows";
        QTest::newRow("dispositivo con estensione") << "NUL.txt"
                                                    << "Windows";
        QTest::newRow("porta") << "lpt1 "
                               << "Windows";
        QTest::newRow("troppo lungo") << QString(201, u'a') << "200";
    }
    void nomeDiUnAlunno()
    {
        QFETCH(QString, nome);
        QFETCH(QString, motivo);
        const std::optional<QString> rifiuto = Percorsi::motivoNomeNonValido(nome);
        if (motivo.isNull()) {
            QVERIFY2(!rifiuto, qPrintable(rifiuto.value_or(QString())));
            QCOMPARE(Percorsi::utenteDelProfilo(nome + QStringLiteral(".ini")), nome);
        } else {
            QVERIFY(rifiuto);
            QVERIFY2(rifiuto->contains(motivo), qPrintable(*rifiuto));
        }
    }

    // A user's record folder lies right inside "dati", whatever the name from an old profile holds; a name that
    // would lead elsewhere has none.
    void cartellaDeiRegistri_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("dentro");
        QTest::newRow("nome") << "Marco Rossi" << true;
        QTest::newRow("virgola di un vecchio profilo") << "Rossi, Marco" << true;
        QTest::newRow("punti nel nome") << "A..B" << true;
        QTest::newRow("vuoto") << "" << false;
        QTest::newRow("punto") << "." << false;
        QTest::newRow("punto punto") << ".." << false;
        QTest::newRow("punti e blank") << " .. " << false;
        QTest::newRow("barra") << "../altro" << false;
        QTest::newRow("barra rovesciata") << "..\\altro" << false;
        QTest::newRow("unità") << "C:altro" << false;
        QTest::newRow("a capo") << "Marco\nAnna" << false;
    }
    void cartellaDeiRegistri()
    {
        QFETCH(QString, nome);
        QFETCH(bool, dentro);
        const Percorsi percorsi(QStringLiteral("/programma"), QStringLiteral("/radice"), QStringLiteral("/font"));
        const std::optional<QString> cartella = percorsi.cartellaRegistri(nome);
        QCOMPARE(cartella.has_value(), dentro);
        if (cartella)
            QCOMPARE(QFileInfo(QDir::cleanPath(*cartella)).absolutePath() + u'/', percorsi.cartellaDati());
    }
};

QTEST_GUILESS_MAIN(TestPercorsi)
#include "tst_percorsi.moc"
