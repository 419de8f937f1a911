// The picture chooser of the list editor.
#include "settings/SceltaImmagine.h"

#include "settings/AreaConfigurazioni.h"
#include "settings/Miniature.h"
#include "support/Grafica.h"
#include "support/Schermata.h"

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
    setObjectName(QStringLiteral("Frame10"));
    Grafica::caratterePerDisegno(this, QStringLiteral("Arial"), 12);
    setAutoFillBackground(true);
    hide();
    dialogo.posiziona(this, 0, 0, kLarghezza, kAltezza);

    // The list leaves three buttons' height below it and 1000 twips beside it; "Chiudi" stands one button's
    // height below the list.
    const int altezzaElenco = kAltezza - 3 * kAltezzaBottone;
    const int larghezzaElenco = kLarghezza - kMargineElenco;
    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setAccessibleName(QStringLiteral("Immagini"));
    // Fixed like the thumbnails, so that captions keep to the grid of the icons.
    ListView1->setFont(Grafica::carattere(QStringLiteral("Arial"), 9));
    ListView1->setViewMode(QListView::IconMode);
    ListView1->setIconSize(QSize(Miniature::kLato, Miniature::kLato));
    ListView1->setGridSize(QSize(Miniature::kLato + 40, Miniature::kLato + 2 * ListView1->fontMetrics().height()));
    ListView1->setUniformItemSizes(true);
    ListView1->setResizeMode(QListView::Adjust);
    ListView1->setMovement(QListView::Static);
    ListView1->setWordWrap(false);
    // A long name keeps its start and its extension.
    ListView1->setTextElideMode(Qt::ElideMiddle);
    dialogo.posiziona(ListView1, kMargineElenco / 2, kAltoElenco, larghezzaElenco, altezzaElenco - kAltoElenco);
    connect(ListView1, &QListWidget::itemActivated, this, &SceltaImmagine::ListView1_DoubleClick);

    Command4 = new QPushButton(QStringLiteral("Chiudi"), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    Grafica::caratterePerDisegno(Command4, QStringLiteral("Arial"), 12);
    Command4->setAccessibleName(QStringLiteral("Chiudi la scelta dell'immagine"));
    dialogo.posiziona(Command4, kMargineElenco / 2 + larghezzaElenco - kLarghezzaBottone,
                      altezzaElenco + kAltezzaBottone, kLarghezzaBottone, kAltezzaBottone);
    connect(Command4, &QPushButton::clicked, this, &SceltaImmagine::Command4_Click);

    barr1 = new QProgressBar(this);
    barr1->setObjectName(QStringLiteral("barr1"));
    barr1->setAccessibleName(QStringLiteral("Preparazione delle miniature"));
    barr1->setTextVisible(false);
    barr1->hide();
    dialogo.posiziona(barr1, 0, kAltezza - 3 * kAltezzaBarra, kLarghezza - 100, kAltezzaBarra);

    connect(m_costruzione, &CostruzioneMiniature::pronta, this, &SceltaImmagine::miniaturaPronta);
    connect(m_costruzione, &CostruzioneMiniature::avanzamento, barr1, &QProgressBar::setValue);
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
        Dir1_Change(file);
}

void SceltaImmagine::Dir1_Change(const QList<File>& file)
{
    m_miniatureCaricate = true;
    m_costruzione->ferma();
    m_file = file;
    m_inCostruzione.clear();
    m_inAttesa.clear();
    ListView1->clear();
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
    barr1->setRange(0, static_cast<int>(daCostruire.size()));
    barr1->setValue(0);
    barr1->show();
    barr1->raise();
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
        AddImg(m_inAttesa.takeFirst());
    if (!m_inAttesa.isEmpty() && !std::exchange(m_fettaProgrammata, true))
        QTimer::singleShot(0, this, &SceltaImmagine::mostraInAttesa);
}

void SceltaImmagine::AddImg(int indice)
{
    const QString& percorso = m_file[indice].percorso;
    Miniatura& miniatura = m_miniature[percorso];
    // A file that is not a picture has nothing to choose.
    if (miniatura.immagine.isNull())
        return;
    if (miniatura.icona.isNull())
        miniatura.icona = icona(miniatura.immagine);
    // Thumbnails come as they are ready; each takes its file's place in the folder's order.
    int riga = ListView1->count();
    while (riga > 0 && ListView1->item(riga - 1)->data(kRuoloOrdine).toInt() > indice)
        --riga;
    // The caption is the file's name, what the teacher looks for and what the list stores.
    auto* voce = new QListWidgetItem(miniatura.icona, QFileInfo(percorso).fileName());
    voce->setData(kRuoloOrdine, indice);
    voce->setData(kRuoloPercorso, percorso);
    voce->setToolTip(percorso);
    ListView1->insertItem(riga, voce);
}

void SceltaImmagine::costruzioneFinita()
{
    unsetCursor();
    barr1->hide();
    barr1->setValue(0);
}

void SceltaImmagine::ListView1_DoubleClick()
{
    const QListWidgetItem* voce = ListView1->currentItem();
    if (!voce)
        return;
    const QString nome = QDir(m_cartellaImmagini).relativeFilePath(voce->data(kRuoloPercorso).toString());
    hide();
    emit scelta(nome);
}

void SceltaImmagine::Command4_Click()
{
    hide();
}
