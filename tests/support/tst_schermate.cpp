// Every screen as the pupil sees it on the display this test runs on (ctest runs it once per display
// size): each control lies wholly inside the window below the menu bar, and each text shows whole.
#include "exercise/Form1.h"
#include "home/FormMenu.h"
#include "startup/FormAvvio.h"
#include "support/AmbienteProva.h"
#include "support/Messaggi.h"

#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

namespace {
QString senzaTastoRapido(QString testo)
{
    return testo.remove(testo.indexOf(u'&'), 1);
}

// What of the control's text does not show, or an empty string when all of it does.
QString testoTagliato(QWidget* controllo)
{
    if (auto* etichetta = qobject_cast<QLabel*>(controllo); etichetta && !etichetta->text().isEmpty()) {
        const QRect spazio = etichetta->contentsRect();
        const QRect occupato = etichetta->fontMetrics().boundingRect(
            spazio, int(etichetta->alignment()) | (etichetta->wordWrap() ? Qt::TextWordWrap : 0), etichetta->text());
        if (!spazio.contains(occupato))
            return QStringLiteral("text needs %1×%2 in %3×%4")
                .arg(occupato.width())
                .arg(occupato.height())
                .arg(spazio.width())
                .arg(spazio.height());
    }
    if (auto* bottone = qobject_cast<QPushButton*>(controllo)) {
        const QFontMetrics misure = bottone->fontMetrics();
        const int larghezza = misure.horizontalAdvance(senzaTastoRapido(bottone->text())) +
                              (bottone->icon().isNull() ? 0 : bottone->iconSize().width());
        if (larghezza > bottone->width() || misure.height() > bottone->height())
            return QStringLiteral("caption needs %1×%2").arg(larghezza).arg(misure.height());
    }
    if (auto* elenco = qobject_cast<QComboBox*>(controllo)) {
        QStyleOptionComboBox opzioni;
        opzioni.initFrom(elenco);
        const QRect campo =
            elenco->style()->subControlRect(QStyle::CC_ComboBox, &opzioni, QStyle::SC_ComboBoxEditField, elenco);
        const QFontMetrics misure = elenco->fontMetrics();
        if (misure.horizontalAdvance(elenco->currentText()) > campo.width() || misure.height() > campo.height())
            return QStringLiteral("name needs %1×%2 in %3×%4")
                .arg(misure.horizontalAdvance(elenco->currentText()))
                .arg(misure.height())
                .arg(campo.width())
                .arg(campo.height());
    }
    return {};
}
} // namespace

class TestSchermate : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;
    std::unique_ptr<ProgrammaProva> m_p;

private slots:
    void initTestCase()
    {
        QVERIFY(QFontDatabase::addApplicationFont(AmbienteProva::sorgente(QStringLiteral("assets/indis1.ttf"))) >= 0);
        Messaggi::Prova::intercetta(true);
        qInfo() << "display" << QGuiApplication::primaryScreen()->availableGeometry();
    }

    void tuttoSulloSchermo_data()
    {
        QTest::addColumn<QString>("schermata");
        QTest::addColumn<QString>("stile");
        QTest::addColumn<QString>("stimolo");
        QTest::addColumn<QString>("frase");
        // The longest texts of the default list, and a story far longer than any box holds at 28 points.
        QString lungo;
        while (lungo.size() < 600)
            lungo += QStringLiteral("Il gatto Micio salta sul tetto della casa rossa. ");
        for (const QString stile :
             {QStringLiteral("maiuscolo"), QStringLiteral("minuscolo"), QStringLiteral("corsivo")}) {
            QTest::addRow("avvio %s", qPrintable(stile)) << "FormAvvio" << stile << QString() << QString();
            QTest::addRow("menu %s", qPrintable(stile)) << "FormMenu" << stile << QString() << QString();
            QTest::addRow("esercizio %s, testi più lunghi della lista", qPrintable(stile))
                << "Form1" << stile << QStringLiteral("lista") << QStringLiteral("lista");
            QTest::addRow("esercizio %s, 600 caratteri", qPrintable(stile)) << "Form1" << stile << lungo << lungo;
        }
    }
    void tuttoSulloSchermo()
    {
        QFETCH(QString, schermata);
        QFETCH(QString, stile);
        QFETCH(QString, stimolo);
        QFETCH(QString, frase);
        m_p = std::make_unique<ProgrammaProva>(m_ambiente);
        StatoProgramma& stato = *m_p->stato;
        ImpostazioniUtente& imp = stato.ImpostazioniUtente;
        imp.StileLettere = stile;
        imp.FontTesto = stile == QStringLiteral("corsivo") ? QStringLiteral("Indis1") : QStringLiteral("Arial");
        imp.ModalitaInput = 1; // the scanning receiver is on screen too
        QVERIFY(!CaricaLista(stato.TabellaFrasi, imp.ListaInUso, stato.percorsi));
        TabellaFrasi& t = stato.TabellaFrasi;
        if (stimolo == QStringLiteral("lista")) {
            // Row 1 gets the longest stimulus and the longest statement of the list.
            for (int riga = 1; riga <= t.NumeroRighe; ++riga) {
                if (t.Codice(riga, 0) == 1 && t.Testo(riga, 0).size() > stimolo.size())
                    stimolo = t.Testo(riga, 0);
                for (int colonna = 1; colonna < TabellaFrasi::kColonne; ++colonna)
                    if (t.Testo(riga, colonna).size() > frase.size())
                        frase = t.Testo(riga, colonna);
            }
        }
        if (!stimolo.isEmpty()) {
            t.NumeroRighe = 1;
            t.Testo(1, 0) = stimolo;
            t.Codice(1, 0) = 1;
            t.Testo(1, 1) = frase;
            t.Codice(1, 1) = 0;
            t.Testo(1, 2).clear();
        }
        // Two pupils, so the home screen shows its list; one with a long name.
        QDir().mkpath(stato.percorsi.cartellaUtenti());
        for (const QString nome : {QStringLiteral("Maria Margherita"), QStringLiteral("Leo")})
            QVERIFY(!ModuloPerIni::SalvaUtente(imp, stato.percorsi.profiloUtente(nome)));
        stato.NomeUtente = QStringLiteral("Maria Margherita");
        stato.PercorsoUtente = stato.percorsi.profiloUtente(stato.NomeUtente);

        Schermata* s = nullptr;
        if (schermata == QStringLiteral("FormAvvio"))
            s = m_p->programma.apriAvvio();
        else if (schermata == QStringLiteral("FormMenu"))
            s = m_p->programma.apriMenu(nullptr);
        else
            s = m_p->programma.apriEsercizio(nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(s));
        QCOMPARE(s->frameGeometry(), s->screen()->availableGeometry());
        const int sottoIlMenu = s->findChild<QMenuBar*>() ? s->findChild<QMenuBar*>()->geometry().bottom() + 1 : 0;
        const QRect finestra(0, sottoIlMenu, s->width(), s->height() - sottoIlMenu);
        int controlliVisti = 0;
        for (QWidget* c : s->area()->findChildren<QWidget*>()) {
            if (c->objectName().isEmpty() || c->objectName().startsWith(QStringLiteral("qt_")) || !c->isVisible())
                continue;
            ++controlliVisti;
            const QRect posto(c->mapTo(s, QPoint(0, 0)), c->size());
            QVERIFY2(finestra.contains(posto), qPrintable(QStringLiteral("%1 at %2,%3 %4×%5 leaves %6,%7 %8×%9")
                                                              .arg(c->objectName())
                                                              .arg(posto.x())
                                                              .arg(posto.y())
                                                              .arg(posto.width())
                                                              .arg(posto.height())
                                                              .arg(finestra.x())
                                                              .arg(finestra.y())
                                                              .arg(finestra.width())
                                                              .arg(finestra.height())));
            const QString tagliato = testoTagliato(c);
            QVERIFY2(tagliato.isEmpty(), qPrintable(c->objectName() + QStringLiteral(": ") + tagliato));
        }
        QVERIFY(controlliVisti >= 2);
    }

    void cleanup()
    {
        m_p->programma.termina();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_p.reset();
    }
};

QTEST_MAIN(TestSchermate)
#include "tst_schermate.moc"
