// SPDX-License-Identifier: GPL-3.0-or-later
// A grid with one fixed row and one fixed column, addressed as the screens think of it: row 0 is the header
// row, column 0 the fixed column, cells 1..Rows()-1 by 1..Cols()-1 the table. The fixed row and column are the
// table's own headers, so they stay in sight while the rows scroll. Cells are read-only; a text too long for
// its column goes on over as many lines as it needs, once adattaRighe has fitted the rows to their texts.
#pragma once

#include <QTableWidget>
#include <array>

class GrigliaRegistro : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kCols = 6;
    static constexpr int kMaxRows = 32767;

    explicit GrigliaRegistro(QWidget* genitore);

    // Rows with the header row: at least 1, at most kMaxRows. New rows are empty.
    int Rows() const { return rowCount() + 1; }
    void setRows(int righe);
    int Cols() const { return kCols; }

    QString TextMatrix(int riga, int colonna) const;
    void setTextMatrix(int riga, int colonna, const QString& testo);
    // Every cell's text, row by row from the header row, the fixed cells included.
    QList<QStringList> testi() const;
    // Empties every cell, the fixed ones too; the row count stays.
    void Clear();

    // In pixels; a column 0 wide is hidden.
    int ColWidth(int colonna) const;
    void setColWidth(int colonna, int larghezza);
    Qt::Alignment ColAlignment(int colonna) const { return m_allineamenti[static_cast<std::size_t>(colonna)]; }
    void setColAlignment(int colonna, Qt::Alignment allineamento);
    int RowHeight() const;
    // The width the fixed column needs to show the text whole.
    int larghezzaFissaPer(const QString& testo) const;
    // The width a column of the table needs to show the text on one line.
    int larghezzaCellaPer(const QString& testo) const;
    // Every row as high as its tallest text at the columns' present widths.
    void adattaRighe();

protected:
    void changeEvent(QEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // The item behind a cell of the table or of a header; made on demand when crea is true.
    QTableWidgetItem* elemento(int riga, int colonna, bool crea);
    void adattaAltezzaRighe();

    QString m_angolo; // the cell where the fixed row and column meet
    QWidget* m_bottoneAngolo = nullptr;
    std::array<Qt::Alignment, kCols> m_allineamenti;
};
