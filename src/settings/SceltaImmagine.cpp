// SPDX-License-Identifier: GPL-3.0-or-later
// The picture chooser of the list editor.
#include "settings/SceltaImmagine.h"

#include "settings/AreaConfigurazioni.h"
#include "settings/Miniature.h"
#include "support/Grafica.h"
#include "support/Schermata.h"
#include "support/TestoSemplice.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <utility>

namespace {
// Design sizes in twips, inside the chooser, which covers the editor.
using AreaConfigurazioni::kAltezza;
using AreaConfigurazioni::kLarghezza;
constexpr int kLarghezzaBottone = 1500;
constexpr int kAltezzaBottone = 735;
constexpr int kAltezzaBarra = 240;
constexpr int kAltoElenco = 360;
constexpr int kMargineElenco = 1000;
constexpr int kRuoloOrdine = Qt::UserRole;
constexpr int kRuoloPercorso = Qt::UserRole + 1;
constexpr int kFettaMs = 10;

// The thumbnail in the middle of a square, so that the captions of a row of pictures line up.
QIcon icona(const QImage& miniatura)
{
    QPixmap quadrato(Miniature::kLato, Miniature::kLato);
    quadrato.fill(Qt::transparent);
    QPainter pittore(&quadrato);
    pittore.drawImage((Miniature::kLato - miniatura.width()) / 2, (Miniature::kLato - miniatura.height()) / 2,
                      miniatura);
    return QIcon(quadrato);
}

} // namespace

SceltaImmagine::SceltaImmagine(const QString& cartellaImmagini, const Schermata& dialogo, QWidget* genitore)
    : QGroupBox(QStringLiteral("Seleziona con un doppio click l'immagine da inserire"), genitore),
      m_cartellaImmagini(cartellaImmagini), m_costruzione(new CostruzioneMiniature(this))
{
    setObjectName(QStringLiteral("sceltaImmagine"));
    Grafica::caratterePerDisegno(this, QStringLiteral("Arial"), 12);
    setAutoFillBackground(true);
    hide();
    dialogo.posiziona(this, 0, 0, kLarghezza, kAltezza);

    // The list leaves three buttons' height below it and 1000 twips beside it; "Chiudi" stands one button's
    // height below the list.
    const int altezzaElenco = kAltezza - 3 * kAltezzaBottone;
    const int larghezzaElenco = kLarghezza - kMargineElenco;
    elencoImmagini = new QListWidget(this);
    elencoImmagini->setObjectName(QStringLiteral("elencoImmagini"));
    elencoImmagini->setAccessibleName(QStringLiteral("Immagini"));
    // Fixed like the thumbnails, so that captions keep to the grid of the icons.
    elencoImmagini->setFont(Grafica::carattere(QStringLiteral("Arial"), 9));
    elencoImmagini->setViewMode(QListView::IconMode);
    elencoImmagini->setIconSize(QSize(Miniature::kLato, Miniature::kLato));
    elencoImmagini->setGridSize(
        QSize(Miniature::kLato + 40, Miniature::kLato + 2 * elencoImmagini->fontMetrics().height()));
    elencoImmagini->setUniformItemSizes(true);
    elencoImmagini->setResizeMode(QListView::Adjust);
    elencoImmagini->setMovement(QListView::Static);
    elencoImmagini->setWordWrap(false);
    // A long name keeps its start and its extension.
    elencoImmagini->setTextElideMode(Qt::ElideMiddle);
    dialogo.posiziona(elencoImmagini, kMargineElenco / 2, kAltoElenco, larghezzaElenco, altezzaElenco - kAltoElenco);
    connect(elencoImmagini, &QListWidget::itemActivated, this, &SceltaImmagine::immagineAttivata);

    bottoneChiudiScelta = new QPushButton(QStringLiteral("Chiudi"), this);
    bottoneChiudiScelta->setObjectName(QStringLiteral("bottoneChiudiScelta"));
    Grafica::caratterePerDisegno(bottoneChiudiScelta, QStringLiteral("Arial"), 12);
    bottoneChiudiScelta->setAccessibleName(QStringLiteral("Chiudi la scelta dell'immagine"));
    dialogo.posiziona(bottoneChiudiScelta, kMargineElenco / 2 + larghezzaElenco - kLarghezzaBottone,
                      altezzaElenco + kAltezzaBottone, kLarghezzaBottone, kAltezzaBottone);
    connect(bottoneChiudiScelta, &QPushButton::clicked, this, &SceltaImmagine::chiudi);

    barraAvanzamento = new QProgressBar(this);
    barraAvanzamento->setObjectName(QStringLiteral("barraAvanzamento"));
    barraAvanzamento->setAccessibleName(QStringLiteral("Preparazione delle miniature"));
    barraAvanzamento->setTextVisible(false);
    barraAvanzamento->hide();
    dialogo.posiziona(barraAvanzamento, 0, kAltezza - 3 * kAltezzaBarra, kLarghezza - 100, kAltezzaBarra);

    connect(m_costruzione, &CostruzioneMiniature::pronta, this, &SceltaImmagine::miniaturaPronta);
    connect(m_costruzione, &CostruzioneMiniature::avanzamento, barraAvanzamento, &QProgressBar::setValue);
    connect(m_costruzione, &CostruzioneMiniature::finita, this, &SceltaImmagine::costruzioneFinita);
}

SceltaImmagine::~SceltaImmagine() = default;

bool SceltaImmagine::inCostruzione() const
{
    return m_costruzione->inCorso() || !m_inAttesa.isEmpty();
}

void SceltaImmagine::apri()
{
    show();
    raise();
    QList<File> file;
    const QFileInfoList elenco =
        QDir(m_cartellaImmagini).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo& info : elenco)
        file.append({info.absoluteFilePath(), info.lastModified().toSecsSinceEpoch()});
    // Reopened on an unchanged folder, the list is already right, or on its way.
    if (!m_miniatureCaricate || file != m_file)
        cartellaLetta(file);
}

void SceltaImmagine::cartellaLetta(const QList<File>& file)
{
    m_miniatureCaricate = true;
    m_costruzione->ferma();
    m_file = file;
    m_inCostruzione.clear();
    m_inAttesa.clear();
    elencoImmagini->clear();
    QStringList daCostruire;
    for (int indice = 0; indice < m_file.size(); ++indice) {
        const auto tenuta = m_miniature.constFind(m_file[indice].percorso);
        if (tenuta != m_miniature.cend() && tenuta->modificato == m_file[indice].modificato) {
            inAttesa(indice);
            continue;
        }
        m_inCostruzione.append(indice);
        daCostruire.append(m_file[indice].percorso);
    }
    if (daCostruire.isEmpty()) {
        costruzioneFinita();
        return;
    }
    barraAvanzamento->setRange(0, static_cast<int>(daCostruire.size()));
    barraAvanzamento->setValue(0);
    barraAvanzamento->show();
    barraAvanzamento->raise();
    setCursor(Qt::BusyCursor);
    m_costruzione->avvia(daCostruire);
}

void SceltaImmagine::miniaturaPronta(int indiceCostruzione, const QImage& immagine)
{
    const int indice = m_inCostruzione.value(indiceCostruzione, -1);
    if (indice < 0)
        return;
    const File& file = m_file[indice];
    m_miniature.insert(file.percorso, {file.modificato, immagine, QIcon()});
    inAttesa(indice);
}

void SceltaImmagine::inAttesa(int indice)
{
    m_inAttesa.append(indice);
    if (!std::exchange(m_fettaProgrammata, true))
        QTimer::singleShot(0, this, &SceltaImmagine::mostraInAttesa);
}

void SceltaImmagine::mostraInAttesa()
{
    m_fettaProgrammata = false;
    QElapsedTimer fetta;
    fetta.start();
    while (!m_inAttesa.isEmpty() && fetta.elapsed() < kFettaMs)
        aggiungiImmagine(m_inAttesa.takeFirst());
    if (!m_inAttesa.isEmpty() && !std::exchange(m_fettaProgrammata, true))
        QTimer::singleShot(0, this, &SceltaImmagine::mostraInAttesa);
}

void SceltaImmagine::aggiungiImmagine(int indice)
{
    const QString& percorso = m_file[indice].percorso;
    Miniatura& miniatura = m_miniature[percorso];
    // A file that is not a picture has nothing to choose.
    if (miniatura.immagine.isNull())
        return;
    if (miniatura.icona.isNull())
        miniatura.icona = icona(miniatura.immagine);
    // Thumbnails come as they are ready; each takes its file's place in the folder's order.
    int riga = elencoImmagini->count();
    while (riga > 0 && elencoImmagini->item(riga - 1)->data(kRuoloOrdine).toInt() > indice)
        --riga;
    // The caption is the file's name, what the teacher looks for and what the list stores.
    auto* voce = new QListWidgetItem(miniatura.icona, QFileInfo(percorso).fileName());
    voce->setData(kRuoloOrdine, indice);
    voce->setData(kRuoloPercorso, percorso);
    voce->setToolTip(TestoSemplice::suggerimento(percorso));
    elencoImmagini->insertItem(riga, voce);
}

void SceltaImmagine::costruzioneFinita()
{
    unsetCursor();
    barraAvanzamento->hide();
}

void SceltaImmagine::immagineAttivata()
{
    const QListWidgetItem* voce = elencoImmagini->currentItem();
    if (!voce)
        return;
    const QString nome = QDir(m_cartellaImmagini).relativeFilePath(voce->data(kRuoloPercorso).toString());
    hide();
    emit scelta(nome);
}

void SceltaImmagine::chiudi()
{
    hide();
}
