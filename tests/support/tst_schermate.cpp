// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen at this display size: controls inside, apart, texts whole, named for readers; proportional layout.
#include "exercise/SchermataEsercizio.h"
#include "exercise/agent/AgenteMerlino.h"
#include "home/SchermataInformazioni.h"
#include "home/SchermataMenu.h"
#include "results/GrigliaRegistro.h"
#include "results/SchermataEserciziEseguiti.h"
#include "settings/EditorListe.h"
#include "settings/SchermataConfigurazioni.h"
#include "startup/SchermataAvvio.h"
#include "support/BottoneEvidenziabile.h"
#include "support/Grafica.h"
#include "support/ProgrammaProva.h"
#include "support/ScansioneCursore.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTextStream>

namespace {
// Into trovati, the workable controls with no name and labels named over their text; returns how many work.
int senzaNome(QAccessibleInterface* nodo, QStringList& trovati)
{
    static const QSet<QAccessible::Role> interattivi{
        QAccessible::Button,    QAccessible::PushButton, QAccessible::CheckBox,   QAccessible::RadioButton,
        QAccessible::ScrollBar, QAccessible::Slider,     QAccessible::SpinBox,    QAccessible::EditableText,
        QAccessible::ComboBox,  QAccessible::List,       QAccessible::PageTab,    QAccessible::Table,
        QAccessible::MenuItem,  QAccessible::Link,       QAccessible::ButtonMenu, QAccessible::ButtonDropDown};
    if (!nodo || nodo->state().invisible)
        return 0;
    // The scanning receivers take the keyboard; a grid's cell is read by its content, which may be blank.
    const bool interattivo =
        interattivi.contains(nodo->role()) || (nodo->state().focusable && nodo->role() != QAccessible::Cell);
    if (interattivo && nodo->text(QAccessible::Name).trimmed().isEmpty())
        trovati << QString::number(nodo->role()) + u' ' +
                       (nodo->object() ? nodo->object()->objectName() : QStringLiteral("?"));
    if (auto* etichetta = qobject_cast<QLabel*>(nodo->object());
        etichetta && !etichetta->text().isEmpty() && !etichetta->accessibleName().isEmpty())
        trovati << QStringLiteral("etichetta nominata ") + etichetta->objectName();
    int visti = interattivo;
    for (int i = 0; i < nodo->childCount(); ++i)
        visti += senzaNome(nodo->child(i), trovati);
    return visti;
}

// What a label or a tooltip shows of a text, markup read.
QString mostrato(const QString& testo, Qt::TextFormat formato)
{
    const bool marcato = formato == Qt::RichText || (formato == Qt::AutoText && Qt::mightBeRichText(testo));
    return marcato ? QTextDocumentFragment::fromHtml(testo).toPlainText() : testo;
}

// Where a label's text lies, or null when it holds no text.
QRect testoDi(const QWidget* controllo)
{
    auto* e = qobject_cast<const QLabel*>(controllo);
    const int a = e ? int(e->alignment()) | (e->wordWrap() ? Qt::TextWordWrap : 0) : 0;
    return e && !e->text().isEmpty() ? e->fontMetrics().boundingRect(e->contentsRect(), a, e->text()) : QRect();
}

// The room the control's text needs and the room it has.
std::pair<QSize, QSize> spazioDelTesto(QWidget* controllo)
{
    if (const QRect testo = testoDi(controllo); !testo.isNull())
        return {testo.size(), static_cast<QLabel*>(controllo)->contentsRect().size()};
    // The tabs' captions, a tick box or a choice: the mark and its whole caption.
    if (qobject_cast<QTabBar*>(controllo) ||
        (qobject_cast<QAbstractButton*>(controllo) && !qobject_cast<QPushButton*>(controllo)))
        return {controllo->sizeHint(), controllo->size()};
    if (auto* bottone = qobject_cast<QPushButton*>(controllo);
        bottone && !qobject_cast<BottoneEvidenziabile*>(bottone)) {
        QString testo = bottone->text();
        const int icona = bottone->icon().isNull() ? 0 : bottone->iconSize().width();
        const QFontMetrics misure = bottone->fontMetrics();
        return {{misure.horizontalAdvance(testo.remove(testo.indexOf(u'&'), 1)) + icona, misure.height()},
                bottone->size()};
    }
    if (auto* elenco = qobject_cast<QComboBox*>(controllo)) {
        QStyleOptionComboBox opzioni;
        opzioni.initFrom(elenco);
        const QRect campo =
            elenco->style()->subControlRect(QStyle::CC_ComboBox, &opzioni, QStyle::SC_ComboBoxEditField, elenco);
        const QFontMetrics misure = elenco->fontMetrics();
        return {{misure.horizontalAdvance(elenco->currentText()), misure.height()}, campo.size()};
    }
    return {};
}

// Where the control shows something, in the screen's coordinates: a label's text, a choice's mark and caption.
QRect mostra(const QWidget* controllo, const QWidget* schermata)
{
    QRect dove = testoDi(controllo).isNull() ? controllo->rect() : testoDi(controllo);
    if (qobject_cast<const QAbstractButton*>(controllo) && !qobject_cast<const QPushButton*>(controllo)) {
        const QSize serve = controllo->sizeHint().boundedTo(controllo->size());
        dove = QRect(QPoint(0, (controllo->height() - serve.height()) / 2), serve);
    }
    return dove.translated(controllo->mapTo(schermata, QPoint(0, 0)));
}

// A panel raised over part of the screen (the list editor, the picture chooser) hides the controls under it.
bool nascosto(const QWidget* controllo, const QWidget* schermata)
{
    for (const QWidget* pannello : schermata->findChildren<QWidget*>()) {
        if (pannello->isVisible() && pannello->autoFillBackground() && !qobject_cast<const QLabel*>(pannello) &&
            !pannello->isAncestorOf(controllo) && pannello != controllo &&
            !pannello->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty() &&
            QRect(pannello->mapTo(schermata, QPoint(0, 0)), pannello->size()).contains(mostra(controllo, schermata)))
            return true;
    }
    return false;
}

// A button's ink against the button bare: the box it covers, and the median stroke width.
std::pair<QRect, int> inchiostro(QPushButton* bottone)
{
    const QImage scritto = bottone->grab().toImage();
    const QString testo = bottone->text();
    const QIcon icona = bottone->icon();
    bottone->setText(QString()), bottone->setIcon(QIcon());
    const QImage spoglio = bottone->grab().toImage();
    bottone->setText(testo), bottone->setIcon(icona);
    QRect riquadro;
    QList<int> tratti{0};
    for (int y = 0; y < scritto.height(); ++y) {
        for (int x = 0, tratto = 0; x < scritto.width(); ++x) {
            const int differenza = std::abs(qGray(scritto.pixel(x, y)) - qGray(spoglio.pixel(x, y)));
            riquadro |= differenza > 0 ? QRect(x, y, 1, 1) : QRect();
            tratto = differenza > 64 ? tratto + 1 : (tratto > 0 ? (tratti << tratto, 0) : 0);
        }
    }
    std::sort(tratti.begin(), tratti.end());
    return {riquadro, tratti[tratti.size() / 2]};
}
// The limits, readers' names and ways of showing a control is set up with: those its class has, but 0 or empty.
QString proprieta(const QWidget* c)
{
    QString elenco;
    static const QStringList kProprieta =
        QStringLiteral(
            "accessibleName toolTip alignment wordWrap scaledContents flat maxLength readOnly tabChangesFocus "
            "minimum maximum pageStep focusPolicy frameShape frameShadow autoFillBackground textElideMode "
            "uniformItemSizes movement resizeMode mouseTracking accessibleDescription singleStep textFormat "
            "cornerButtonEnabled selectionMode drawBase")
            .split(u' ');
    for (const QString& nome : kProprieta) {
        const QVariant valore = c->property(nome.toLatin1());
        const QString testo =
            valore.typeId() == QMetaType::QString ? valore.toString() : QString::number(valore.toInt());
        if (valore.isValid() && !testo.isEmpty() && testo != u'0')
            elenco += QStringLiteral(" %1=%2").arg(nome, testo);
    }
    return elenco.replace(u'\n', u'|');
}

// One line for each named control: class, place, state, font, colours and what it holds.
QString elenco(const Schermata* s)
{
    QString righe;
    for (QWidget* c : s->area()->findChildren<QWidget*>()) {
        if (c->objectName().isEmpty() || c->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        QString testo;
        if (auto* etichetta = qobject_cast<const QLabel*>(c))
            testo = etichetta->pixmap().isNull()
                        ? etichetta->text()
                        : QStringLiteral("%1x%2").arg(etichetta->pixmap().width()).arg(etichetta->pixmap().height());
        else if (auto* bottone = qobject_cast<const QAbstractButton*>(c)) {
            testo = bottone->text() + (bottone->isChecked() ? QStringLiteral(" [x]") : QString());
            if (!bottone->icon().isNull())
                testo += QStringLiteral(" icona %1").arg(bottone->iconSize().width());
            if (auto* grande = qobject_cast<BottoneEvidenziabile*>(c); grande && !grande->text().isEmpty()) {
                const auto [riquadro, tratto] = inchiostro(grande); // the lowest ink may be the access key's mark
                testo += QStringLiteral(" tratto %1 fondo %2").arg(tratto).arg(riquadro.bottom());
            }
        } else if (auto* campo = qobject_cast<const QLineEdit*>(c))
            testo = campo->text();
        else if (auto* elenco = qobject_cast<const QComboBox*>(c))
            testo = elenco->currentText();
        else if (auto* scala = qobject_cast<const QAbstractSlider*>(c))
            testo = QString::number(scala->value());
        else if (auto* numero = qobject_cast<const QAbstractSpinBox*>(c))
            testo = numero->text();
        else if (auto* schede = qobject_cast<const QTabBar*>(c)) // the caption over the page shown
            testo = schede->tabText(schede->currentIndex());
        else if (auto* tabella = qobject_cast<const QTableView*>(c)) { // sizes, row numbers' alignment, widths
            for (const int lato : {tabella->verticalHeader()->width(), tabella->horizontalHeader()->height(),
                                   tabella->rowHeight(0), int(tabella->horizontalHeader()->sectionResizeMode(0)),
                                   int(tabella->verticalHeader()->defaultAlignment())})
                testo += QString::number(lato) + u' ';
            for (int k = 0; k < tabella->model()->columnCount(); ++k)
                testo += QString::number(tabella->columnWidth(k)) + u' ';
        }
        const QRect posto(c->mapTo(s, QPoint(0, 0)), c->size());
        const QPalette& colori = c->palette();
        QTextStream(&righe) << c->objectName() << ' ' << c->metaObject()->className() << ' ' << posto.x() << ','
                            << posto.y() << ' ' << posto.width() << 'x' << posto.height() << ' '
                            << (c->isVisible() ? 'v' : '-') << (c->isEnabled() ? 'e' : '-')
                            << (s->focusWidget() == c ? "f " : " ") << c->cursor().shape() << '/'
                            << c->cursor().pixmap().width() << ' ' << c->font().family() << ' ' << c->font().pointSize()
                            << (c->font().bold() ? "b" : "") << ' ' << colori.color(c->foregroundRole()).name() << '/'
                            << colori.color(c->backgroundRole()).name() << ' '
                            << testo.left(60).replace(u'\n', u'|').replace(u'\r', u'|') << proprieta(c) << '\n';
    }
    for (const QAction* azione : s->findChildren<QAction*>()) { // the menus' commands
        if (!azione->text().isEmpty())
            QTextStream(&righe) << "azione " << azione->text() << ' ' << (azione->isVisible() ? 'v' : '-')
                                << (azione->isEnabled() ? 'e' : '-') << ' ' << azione->shortcut().toString() << '\n';
    }
    return righe;
}

} // namespace

class TestSchermate : public ProvaConProgramma {
    Q_OBJECT
    QString m_elenchi; // of every screen met, in order

private slots:
    void initTestCase()
    {
        QVERIFY(QFontDatabase::addApplicationFont(AmbienteProva::sorgente(QStringLiteral("assets/indis1.ttf"))) >= 0);
    }

    // A story longer than any box, a full record, a long name, texts that look like markup; system colours.
    void tuttoSulloSchermo_data()
    {
        QTest::addColumn<QString>("schermata");
        QTest::addColumn<QString>("stile");
        for (const char* stile : {"maiuscolo", "minuscolo", "corsivo"}) {
            for (const char* schermata :
                 {"SchermataAvvio", "SchermataMenu", "SchermataEsercizio", "SchermataConfigurazioni",
                  "SchermataEserciziEseguiti", "SchermataInformazioni"})
                QTest::addRow("%s %s", schermata, stile) << QString(schermata) << QString(stile);
        }
    }
    void tuttoSulloSchermo()
    {
        QFETCH(QString, schermata);
        QFETCH(QString, stile);
        nuovoProgramma();
        StatoProgramma& stato = *m_p->stato;
        m_p->imp().ImpostazioniSistema = stile == QStringLiteral("minuscolo"); // the texts in the system's colours
        m_p->imp().StileLettere = stile;
        m_p->imp().FontTesto = stile == QStringLiteral("corsivo") ? QStringLiteral("Indis1") : QStringLiteral("Arial");
        m_p->imp().ModalitaInput = 1;           // the scanning receiver is on screen too
        if (stile == QStringLiteral("corsivo")) // a Windows profile off the defaults, colours named by the system's
            QVERIFY(!FileProfilo::LeggiUtente(
                m_p->imp(), AmbienteProva::sorgente("tests/support/dati/corsivo-di-windows.ini"), stato.percorsi));
        const QString lungo =
            QStringLiteral("Se a<b e c>d, il gatto <i>Micio</i> salta sul tetto rosso. ").repeated(13);
        m_p->metti(1, lungo, 1, {QStringLiteral("0") + lungo});
        m_p->imp().ListaInUso = QStringLiteral("/scuola/<b>liste</b>.txt");
        QDir().mkpath(stato.percorsi.cartellaUtenti());
        for (const QString& nome : {QStringLiteral("Maria <b>Margherita"), QStringLiteral("Leo")})
            QVERIFY(!FileProfilo::SalvaUtente(m_p->imp(), stato.percorsi.profiloUtente(nome)));
        stato.NomeUtente = QStringLiteral("Maria <b>Margherita");
        stato.PercorsoUtente = stato.percorsi.profiloUtente(stato.NomeUtente);

        Schermata* s = m_p->programma.apriAvvio(); // which empties the record
        while (stato.RegistroEsercizi.aggiungi(lungo, lungo))
            stato.RegistroEsercizi.segnaErrore();
        Ordiparo& pr = m_p->programma;
        pr.creaAgente = [](QWidget* schermata) { // the character as drawn, to see that he keeps to his place
            return std::make_unique<ControlloAgenteMerlino>(
                schermata, AmbienteProva::sorgente(QStringLiteral("assets/personaggi/")));
        };
        const QHash<QString, std::function<Schermata*()>> apri{
            {"SchermataAvvio", [s] { return s; }},
            {"SchermataMenu", [&] { return pr.apriMenu(s); }},
            {"SchermataEsercizio", [&] { return pr.apriEsercizio(s); }},
            {"SchermataConfigurazioni", [&] { return pr.apriConfigurazioni(s); }},
            {"SchermataEserciziEseguiti", [&] { return pr.apriEserciziEseguiti(s); }},
            {"SchermataInformazioni", [&] { return pr.apriInformazioni(s); }}};
        s = apri[schermata]();
        QVERIFY(QTest::qWaitForWindowExposed(s) && s->frameGeometry() == s->screen()->availableGeometry());
        if (auto* esercizio = qobject_cast<SchermataEsercizio*>(s)) { // after a wrong, the right answer; a picture item
            tuttoIntero(s);
            esercizio->bottoniRisposta[1]->click();
            tuttoIntero(s);
            esercizio->bottoniRisposta[0]->click();
            tuttoIntero(s);
            AmbienteProva::scrivi(stato.percorsi.cartellaImmagini() + "parco.png",
                                  AmbienteProva::leggi(AmbienteProva::sorgente("assets/immagini/parco.png")));
            m_p->metti(1, QStringLiteral("PARCO.PNG"), 0, {QStringLiteral("0") + lungo});
            esercizio->GeneraEsercizio();
            tuttoIntero(s);
            esercizio->azioneNascondiParole->trigger(); // the picture grows into the words' room
            tuttoIntero(s);
            m_p->metti(1, QStringLiteral("manca.png"), 0, {QStringLiteral("0") + lungo}); // nothing shown for it
            esercizio->GeneraEsercizio();
            tuttoIntero(s); // and a text item after it
            m_p->metti(1, lungo, 1, {QStringLiteral("0") + lungo});
            esercizio->GeneraEsercizio();
        }
        if (qobject_cast<SchermataMenu*>(s)) { // and with its notice of a pause in the scanning
            tuttoIntero(s);
            emit trova<ScansioneCursore>(s, QString())->pausaCambiata(true);
        }
        auto* configura = qobject_cast<SchermataConfigurazioni*>(s);
        if (!configura) {
            tuttoIntero(s);
            return;
        }
        tuttoIntero(s); // as it opens
        // Every tab, with the optional controls shown: the scanning scale, the users' list, the new name's box.
        trova<QRadioButton>(configura, "sceltaModalita_2")->click();
        trova<QRadioButton>(configura, "sceltaUtente_1")->click();
        auto* schede = trova<QTabBar>(configura, "schede");
        for (int scheda = 0; scheda < schede->count(); ++scheda) {
            schede->setCurrentIndex(scheda);
            tuttoIntero(s);
        }
        for (const char* modalita : {"sceltaModalita_0", "sceltaModalita_1"}) { // the last tab's other input modes
            trova<QRadioButton>(configura, modalita)->click();
            tuttoIntero(s);
        }
        schede->setCurrentIndex(0);
        trova<QRadioButton>(configura, "sceltaUtente_0")->click(), tuttoIntero(s); // the users' list hidden again
        trova<QRadioButton>(configura, "sceltaUtente_2")->click();
        trova<QLineEdit>(configura, "nomeNuovoUtente")->setText(QStringLiteral("a/b"));
        tuttoIntero(s);
        trova<QRadioButton>(configura, "sceltaUtente_0")->click(), tuttoIntero(s); // the name's box hidden,
        trova<QRadioButton>(configura, "sceltaUtente_2")->click();                 // and empty when chosen again
        // The list editor over the whole screen, on a text item and a picture item, and its picture chooser.
        schede->setCurrentIndex(1);
        trova<QPushButton>(configura, "bottoneGestioneFile")->click();
        tuttoIntero(s);
        EditorListe* editor = configura->editorListe();
        editor->sceltaTipoStimolo[0]->click();
        tuttoIntero(s);
        editor->bottoneCaricaImmagine->click();
        tuttoIntero(s);
        trova<QPushButton>(configura, "bottoneChiudiScelta")->click(), tuttoIntero(s); // and each closed again
        trova<QPushButton>(configura, "bottoneChiudi")->click(), tuttoIntero(s);
    }

    // The screens listed above, today's date as gg/mm/aaaa, as attesi/ has them at this size (the smallest, the
    // usual and the largest are kept).
    void comePrima()
    {
        const QSize lati = QGuiApplication::primaryScreen()->size();
        const QString nome = QStringLiteral("schermate-%1x%2.txt").arg(lati.width()).arg(lati.height());
        const QString attesi = AmbienteProva::sorgente(QStringLiteral("tests/support/attesi/") + nome);
        if (!QFile::exists(attesi))
            QSKIP("the screens are not listed at this size");
        m_elenchi.replace(QDate::currentDate().toString(u"dd/MM/yyyy"), QStringLiteral("gg/mm/aaaa"));
        if (AmbienteProva::leggi(attesi) != m_elenchi.toUtf8()) {
            AmbienteProva::scrivi(QDir::currentPath() + QStringLiteral("/scritti/") + nome, m_elenchi.toUtf8());
            QFAIL(qPrintable(
                QStringLiteral("the screens differ from %1: see %2/scritti/").arg(attesi, QDir::currentPath())));
        }
    }

private:
    // Each control inside the window below the menu bar, clear of the others, its text whole; menus grow.
    void tuttoIntero(Schermata* s)
    {
        QTest::qWait(1); // as the user meets it: laid out, the scroll bars it needs shown
        m_elenchi +=
            QStringLiteral("== %1 %2\n").arg(QTest::currentDataTag(), s->metaObject()->className()) + elenco(s);
        const QMenuBar* barra = s->findChild<QMenuBar*>();
        QVERIFY(!barra || barra->fontMetrics().height() * 45 >= s->height());
        const int sottoIlMenu = barra ? barra->geometry().bottom() + 1 : 0;
        const QRect finestra(0, sottoIlMenu, s->width(), s->height() - sottoIlMenu);
        QList<QWidget*> visti;
        for (QWidget* c : s->area()->findChildren<QWidget*>()) {
            if (c->objectName().isEmpty() || c->objectName().startsWith(QStringLiteral("qt_")) || !c->isVisible())
                continue;
            QVERIFY2(finestra.contains(QRect(c->mapTo(s, QPoint(0, 0)), c->size())), qPrintable(c->objectName()));
            // Nor does it lie over another, unless one holds the other or a panel hides it.
            if (!nascosto(c, s->area())) {
                for (const QWidget* altro : std::as_const(visti))
                    QVERIFY2(!mostra(c, s).intersects(mostra(altro, s)) || c->isAncestorOf(altro) ||
                                 altro->isAncestorOf(c),
                             qPrintable(c->objectName() + QStringLiteral(" over ") + altro->objectName()));
                visti << c;
            }
            const auto [serve, ha] = spazioDelTesto(c);
            QVERIFY2(serve.boundedTo(ha) == serve, qPrintable(c->objectName()));
            if (auto* etichetta = qobject_cast<QLabel*>(c))
                QCOMPARE(mostrato(etichetta->text(), etichetta->textFormat()), etichetta->text());
            // Each cell of a grid's first row shows its text whole in its tooltip, the text a grid may cut.
            auto* vista = qobject_cast<GrigliaRegistro*>(c);
            for (int k = 0; vista && k < vista->model()->columnCount(); ++k) {
                const QModelIndex cella = vista->model()->index(0, k);
                QCOMPARE(mostrato(cella.data(Qt::ToolTipRole).toString(), Qt::AutoText), cella.data().toString());
            }
            // A pupil's button shows its caption whole, clear of the ring that lights it (at least 4 pixels).
            if (auto* bottone = qobject_cast<BottoneEvidenziabile*>(c); bottone && !bottone->text().isEmpty())
                QVERIFY2(c->rect().adjusted(5, 5, -5, -5).contains(inchiostro(bottone).first),
                         qPrintable(c->objectName()));
            // A grid shows all its columns side by side, every row number whole, every row a whole line high.
            if (auto* griglia = qobject_cast<GrigliaRegistro*>(c))
                QVERIFY(griglia->horizontalScrollBar()->maximum() == 0 &&
                        griglia->TextMatrix(griglia->Rows() - 1, 0) == "1000" &&
                        griglia->ColWidth(0) >= griglia->larghezzaFissaPer("1000") &&
                        griglia->RowHeight() >= griglia->fontMetrics().height());
        }
        if (auto* svg = s->findChild<DisegnoSvg*>()) // the start's picture, drawn, the screen clear around it
            QVERIFY(disegnato(svg->grab().toImage()) &&
                    svg->grab().toImage().pixel(0, 0) == s->area()->palette().color(QPalette::Window).rgb());
        // The character stands in his place, off the texts he reads.
        if (auto* esercizio = qobject_cast<SchermataEsercizio*>(s)) {
            QWidget* figura = s->findChild<QWidget*>(QStringLiteral("qt_personaggio"));
            QVERIFY(figura && figura->isVisible());
            for (const QWidget* testo : {esercizio->testoStimolo, esercizio->testoAffermazione})
                QVERIFY(!figura->geometry().intersects(QRect(testo->mapTo(s, QPoint(0, 0)), testo->size())));
            const QImage disegno = figura->grab().toImage(); // and he is drawn there, the screen showing around him
            QCOMPARE(disegno.pixelColor(0, 0), figura->parentWidget()->palette().color(QPalette::Window));
            QVERIFY2(disegnato(disegno), "the character is not drawn");
        }
        QStringList anonimi;
        QVERIFY(senzaNome(QAccessible::queryAccessibleInterface(s), anonimi) >= 1); // at least one control to act on
        QVERIFY2(anonimi.isEmpty(), qPrintable(anonimi.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(TestSchermate)
#include "tst_schermate.moc"
