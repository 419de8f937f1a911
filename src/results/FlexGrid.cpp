// A grid with one fixed row and one fixed column over a table and its two headers.
#include "results/FlexGrid.h"

#include "support/Schermata.h"
#include "support/TestoSemplice.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QStyle>

namespace {
// Space above and below the text of every row.
constexpr int kMargineRigaTwip = 60;

QTableWidgetItem* nuovoElemento(Qt::Alignment allineamento)
{
    auto* elemento = new QTableWidgetItem();
    elemento->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    elemento->setTextAlignment(allineamento);
    return elemento;
}
} // namespace

FlexGrid::FlexGrid(QWidget* genitore) : QTableWidget(genitore)
{
    m_allineamenti.fill(Qt::AlignLeft | Qt::AlignVCenter);
    setColumnCount(kCols - 1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setCornerButtonEnabled(false);
    // The corner is the fixed cell where the fixed row and column meet: ruled off from both like the others.
    // Styled alone, so that the headers keep the grid's font.
    if (auto* angolo = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly))
        angolo->setStyleSheet(QStringLiteral("::section { border: none; border-right: 1px solid palette(mid); "
                                             "border-bottom: 1px solid palette(mid); background: palette(button); }"));
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (QHeaderView* intestazione : {horizontalHeader(), verticalHeader()}) {
        intestazione->setSectionResizeMode(QHeaderView::Fixed);
        intestazione->setMinimumSectionSize(0);
        intestazione->setHighlightSections(false);
        intestazione->setSectionsClickable(false);
    }
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Without items the headers would show Qt's own numbers: the fixed row starts empty.
    for (int c = 1; c < kCols; ++c)
        setHorizontalHeaderItem(c - 1, nuovoElemento(m_allineamenti[static_cast<std::size_t>(c)]));
    adattaAltezzaRighe();
}

void FlexGrid::setRows(int righe)
{
    righe = std::clamp(righe, 1, kMaxRows);
    const int prima = rowCount();
    setRowCount(righe - 1);
    for (int r = prima; r < rowCount(); ++r)
        setVerticalHeaderItem(r, nuovoElemento(m_allineamenti[0]));
}

QTableWidgetItem* FlexGrid::elemento(int riga, int colonna, bool crea)
{
    if (riga < 0 || riga >= Rows() || colonna < 0 || colonna >= kCols || (riga == 0 && colonna == 0))
        return nullptr;
    if (riga == 0)
        return horizontalHeaderItem(colonna - 1);
    if (colonna == 0)
        return verticalHeaderItem(riga - 1);
    QTableWidgetItem* cella = item(riga - 1, colonna - 1);
    if (!cella && crea) {
        cella = nuovoElemento(m_allineamenti[static_cast<std::size_t>(colonna)]);
        setItem(riga - 1, colonna - 1, cella);
    }
    return cella;
}

QString FlexGrid::TextMatrix(int riga, int colonna) const
{
    if (riga == 0 && colonna == 0)
        return m_angolo;
    const QTableWidgetItem* cella = const_cast<FlexGrid*>(this)->elemento(riga, colonna, false);
    return cella ? cella->text() : QString();
}

void FlexGrid::setTextMatrix(int riga, int colonna, const QString& testo)
{
    if (riga == 0 && colonna == 0) {
        m_angolo = testo;
        return;
    }
    if (QTableWidgetItem* cella = elemento(riga, colonna, true)) {
        cella->setText(testo);
        cella->setToolTip(TestoSemplice::suggerimento(testo));
    }
}

void FlexGrid::Clear()
{
    m_angolo.clear();
    for (int r = 0; r < Rows(); ++r) {
        for (int c = 0; c < kCols; ++c) {
            if (QTableWidgetItem* cella = elemento(r, c, false)) {
                cella->setText(QString());
                cella->setToolTip(QString());
            }
        }
    }
}

int FlexGrid::ColWidth(int colonna) const
{
    return colonna == 0 ? verticalHeader()->width() : columnWidth(colonna - 1);
}

void FlexGrid::setColWidth(int colonna, int larghezza)
{
    if (colonna == 0)
        verticalHeader()->setFixedWidth(larghezza);
    else
        setColumnWidth(colonna - 1, larghezza);
}

void FlexGrid::setColAlignment(int colonna, Qt::Alignment allineamento)
{
    m_allineamenti[static_cast<std::size_t>(colonna)] = allineamento;
    for (int r = 0; r < Rows(); ++r) {
        if (QTableWidgetItem* cella = elemento(r, colonna, false))
            cella->setTextAlignment(allineamento);
    }
    if (colonna == 0)
        verticalHeader()->setDefaultAlignment(allineamento);
}

int FlexGrid::RowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

int FlexGrid::larghezzaFissaPer(const QString& testo) const
{
    const int margine = verticalHeader()->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, verticalHeader());
    return verticalHeader()->fontMetrics().horizontalAdvance(testo) + 2 * margine + 2;
}

void FlexGrid::adattaAltezzaRighe()
{
    const int altezza = fontMetrics().height() + 2 * Schermata::pixel(kMargineRigaTwip);
    verticalHeader()->setDefaultSectionSize(altezza);
    horizontalHeader()->setFixedHeight(altezza);
}

void FlexGrid::changeEvent(QEvent* evento)
{
    QTableWidget::changeEvent(evento);
    if (evento->type() == QEvent::FontChange)
        adattaAltezzaRighe();
}
