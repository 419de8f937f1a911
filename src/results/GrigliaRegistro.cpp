// SPDX-License-Identifier: GPL-3.0-or-later
// A grid with one fixed row and one fixed column over a table and its two headers.
#include "results/GrigliaRegistro.h"

#include "support/Schermata.h"
#include "support/TestoSemplice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {
// Space above and below the text of every row.
constexpr int kMargineRigaTwip = 60;

// Draws a cell's text below the row's top margin; the cell's background still fills the whole cell.
class DelegatoCella : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& opzioni, const QModelIndex& indice) const override
    {
        return QStyledItemDelegate::sizeHint(opzioni, indice) + QSize(0, 2 * margine());
    }
    void paint(QPainter* pittore, const QStyleOptionViewItem& opzioni, const QModelIndex& indice) const override
    {
        QStyleOptionViewItem intera(opzioni);
        initStyleOption(&intera, indice);
        const QWidget* vista = intera.widget;
        QStyle* stile = vista ? vista->style() : QApplication::style();
        stile->drawPrimitive(QStyle::PE_PanelItemViewItem, &intera, pittore, vista);
        QStyleOptionViewItem testo(opzioni);
        testo.rect.adjust(0, margine(), 0, -margine());
        QStyledItemDelegate::paint(pittore, testo, indice);
    }

private:
    static int margine() { return Schermata::pixel(kMargineRigaTwip); }
};

QTableWidgetItem* nuovoElemento(Qt::Alignment allineamento)
{
    auto* elemento = new QTableWidgetItem();
    elemento->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    elemento->setTextAlignment(allineamento);
    return elemento;
}
} // namespace

GrigliaRegistro::GrigliaRegistro(QWidget* genitore) : QTableWidget(genitore)
{
    m_allineamenti.fill(Qt::AlignLeft | Qt::AlignVCenter);
    setColumnCount(kCols - 1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setItemDelegate(new DelegatoCella(this));
    setCornerButtonEnabled(false);
    // The corner is the fixed cell where the fixed row and column meet: ruled off from both like the others,
    // with its own text. Styled alone, so that the headers keep the grid's font.
    if (auto* angolo = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        angolo->setStyleSheet(QStringLiteral("::section { border: none; border-right: 1px solid palette(mid); "
                                             "border-bottom: 1px solid palette(mid); background: palette(button); }"));
        m_bottoneAngolo = angolo;
        angolo->installEventFilter(this);
    }
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

void GrigliaRegistro::setRows(int righe)
{
    righe = std::clamp(righe, 1, kMaxRows);
    const int prima = rowCount();
    setRowCount(righe - 1);
    for (int r = prima; r < rowCount(); ++r)
        setVerticalHeaderItem(r, nuovoElemento(m_allineamenti[0]));
}

QTableWidgetItem* GrigliaRegistro::elemento(int riga, int colonna, bool crea)
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

QString GrigliaRegistro::TextMatrix(int riga, int colonna) const
{
    if (riga == 0 && colonna == 0)
        return m_angolo;
    const QTableWidgetItem* cella = const_cast<GrigliaRegistro*>(this)->elemento(riga, colonna, false);
    return cella ? cella->text() : QString();
}

void GrigliaRegistro::setTextMatrix(int riga, int colonna, const QString& testo)
{
    if (riga == 0 && colonna == 0) {
        m_angolo = testo;
        if (m_bottoneAngolo)
            m_bottoneAngolo->update();
        return;
    }
    if (QTableWidgetItem* cella = elemento(riga, colonna, true)) {
        cella->setText(testo);
        cella->setToolTip(TestoSemplice::suggerimento(testo));
    }
}

QList<QStringList> GrigliaRegistro::testi() const
{
    QList<QStringList> righe;
    righe.reserve(Rows());
    for (int r = 0; r < Rows(); ++r) {
        QStringList celle;
        for (int c = 0; c < kCols; ++c)
            celle << TextMatrix(r, c);
        righe << celle;
    }
    return righe;
}

void GrigliaRegistro::Clear()
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

int GrigliaRegistro::ColWidth(int colonna) const
{
    return colonna == 0 ? verticalHeader()->width() : columnWidth(colonna - 1);
}

void GrigliaRegistro::setColWidth(int colonna, int larghezza)
{
    if (colonna == 0) {
        verticalHeader()->setFixedWidth(larghezza);
        return;
    }
    setColumnHidden(colonna - 1, larghezza <= 0);
    if (larghezza > 0)
        setColumnWidth(colonna - 1, larghezza);
}

void GrigliaRegistro::setColAlignment(int colonna, Qt::Alignment allineamento)
{
    m_allineamenti[static_cast<std::size_t>(colonna)] = allineamento;
    for (int r = 0; r < Rows(); ++r) {
        if (QTableWidgetItem* cella = elemento(r, colonna, false))
            cella->setTextAlignment(allineamento);
    }
    if (colonna == 0)
        verticalHeader()->setDefaultAlignment(allineamento);
}

int GrigliaRegistro::RowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

int GrigliaRegistro::larghezzaFissaPer(const QString& testo) const
{
    const int margine = verticalHeader()->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, verticalHeader());
    return verticalHeader()->fontMetrics().horizontalAdvance(testo) + 2 * margine + 2;
}

int GrigliaRegistro::larghezzaCellaPer(const QString& testo) const
{
    // The item's text keeps a margin on each side, and the grid's line takes a pixel.
    const int margine = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return fontMetrics().horizontalAdvance(testo) + 2 * margine + 1;
}

void GrigliaRegistro::adattaRighe()
{
    resizeRowsToContents();
}

void GrigliaRegistro::adattaAltezzaRighe()
{
    const int altezza = fontMetrics().height() + 2 * Schermata::pixel(kMargineRigaTwip);
    verticalHeader()->setDefaultSectionSize(altezza);
    horizontalHeader()->setFixedHeight(altezza);
}

bool GrigliaRegistro::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto != m_bottoneAngolo || evento->type() != QEvent::Paint)
        return QTableWidget::eventFilter(oggetto, evento);
    // Drawn as the other header sections are, with the corner's text.
    QStyleOptionHeader sezione;
    sezione.initFrom(horizontalHeader()); // the corner button is disabled: its own state would grey the text
    sezione.rect = m_bottoneAngolo->rect();
    sezione.text = m_angolo;
    sezione.textAlignment = m_allineamenti[0];
    sezione.position = QStyleOptionHeader::OnlyOneSection;
    QStylePainter pittore(m_bottoneAngolo);
    pittore.setFont(horizontalHeader()->font());
    pittore.drawControl(QStyle::CE_Header, sezione);
    return true;
}

void GrigliaRegistro::changeEvent(QEvent* evento)
{
    QTableWidget::changeEvent(evento);
    if (evento->type() == QEvent::FontChange)
        adattaAltezzaRighe();
}
