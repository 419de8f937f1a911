// SPDX-License-Identifier: GPL-3.0-or-later
// The record of exercises done as a printed report, page by page.
#include "results/StampaRegistro.h"

#include "results/ColonneRegistro.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <utility>

namespace {
constexpr double kTwipPerPollice = 1440;
// Room round the text of every cell, as on the screen's grid.
constexpr int kSpazioCellaTwip = 60;
constexpr int kRigaSottileTwip = 10; // half a point
constexpr int kRigaCorniceTwip = 20; // one point
const QString kRientro(4, u' ');
const QColor kFondoFisso(232, 232, 232);
const QColor kTestoMargine(80, 80, 80);

QFont arial(double punti, bool grassetto = false)
{
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPointSizeF(punti);
    carattere.setBold(grassetto);
    return carattere;
}

// The lines a text takes in a column that wide, broken between words where it can and inside a word longer
// than the line; at least one, empty for an empty text.
QStringList aCapo(const QString& testo, const QFont& carattere, const QPaintDevice* foglio, double larghezza)
{
    QTextLayout impaginato(testo, carattere, foglio);
    QTextOption opzione;
    opzione.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    impaginato.setTextOption(opzione);
    QStringList righe;
    impaginato.beginLayout();
    for (QTextLine riga = impaginato.createLine(); riga.isValid(); riga = impaginato.createLine()) {
        riga.setLineWidth(larghezza);
        righe << testo.mid(riga.textStart(), riga.textLength());
    }
    impaginato.endLayout();
    return righe.isEmpty() ? QStringList{QString()} : righe;
}

// Lines [prima, prima + linee) of a row of the table: a row taller than a page goes on over the next one.
struct Pezzo {
    int riga = 0;
    int prima = 0;
    int linee = 1;
};

// What a page shows: pieces of rows under the header row, and whether the note ends it.
struct Pagina {
    QList<Pezzo> pezzi;
    bool tabella = true;
    bool nota = false;
};

class Impaginatore {
public:
    Impaginatore(QPrinter& stampante, QPainter& pittore, const StampaRegistro::Contenuto& contenuto)
        : m_pittore(pittore), m_contenuto(contenuto), m_dpi(stampante.resolution()),
          m_foglio(QPointF(0, 0), stampante.pageRect(QPrinter::DevicePixel).size()), m_margine(arial(9)),
          m_titolo(arial(16, true)), m_sottotitolo(arial(14)), m_nota(arial(12))
    {
        const QFontMetricsF misure(contenuto.carattereGriglia, pittore.device());
        m_spazio = twip(kSpazioCellaTwip);
        m_altezzaLinea = misure.height();
        m_interlinea = misure.lineSpacing();
        const auto larghezze = ColonneRegistro::larghezze(m_foglio.width(), contenuto.righe, [&](const QString& t) {
            return misure.horizontalAdvance(t) + 2 * m_spazio + twip(kRigaSottileTwip);
        });
        double x = 0;
        for (int c = 0; c < ColonneRegistro::kColonne; ++c) {
            if (larghezze[c] > 0) // a free column no row fills is left out
                m_colonne << Colonna{c, QRectF(x, 0, larghezze[c], 0)};
            x += larghezze[c];
        }
        for (const QStringList& riga : contenuto.righe) {
            QList<QStringList> celle;
            for (const Colonna& colonna : std::as_const(m_colonne))
                celle << aCapo(riga.value(colonna.indice), contenuto.carattereGriglia, pittore.device(),
                               colonna.posto.width() - 2 * m_spazio);
            m_righe << celle;
        }
        m_inizioPagine = altezza(m_margine) + twip(120);
        m_inizioPrima = m_inizioPagine + altezza(m_titolo) + 2 * altezza(m_sottotitolo);
        m_fondo = m_foglio.height() - altezza(m_margine) - twip(120);
        const QRectF spazioNota(0, 0, m_foglio.width(), m_foglio.height());
        m_altezzaNota = std::min(m_fondo - m_inizioPagine,
                                 QFontMetricsF(m_nota, m_pittore.device())
                                         .boundingRect(spazioNota, Qt::TextWordWrap, kRientro + contenuto.nota)
                                         .height() +
                                     altezza(m_nota));
    }

    // Whole rows as long as they fit; a row that does not goes on to the next page, or, taller than a page,
    // is split between two lines.
    QList<Pagina> impagina() const
    {
        const double intestazione = altezzaRiga(lineeDi(0));
        const double tuttaLaPagina = m_fondo - m_inizioPagine - intestazione;
        QList<Pagina> pagine;
        Pagina pagina;
        double y = m_inizioPrima + intestazione;
        int prima = 0;
        for (int riga = 1; riga < m_righe.size();) {
            const int linee = lineeDi(riga) - prima;
            if (altezzaRiga(linee) <= m_fondo - y) {
                pagina.pezzi << Pezzo{riga, prima, linee};
                y += altezzaRiga(linee);
                ++riga;
                prima = 0;
                continue;
            }
            int entrano = lineeCheEntrano(m_fondo - y);
            if (pagina.pezzi.isEmpty())
                entrano = std::max(entrano, 1); // a page holds a line at least: the table goes on
            else if (altezzaRiga(linee) <= tuttaLaPagina)
                entrano = 0;
            if (entrano > 0) {
                pagina.pezzi << Pezzo{riga, prima, entrano};
                prima += entrano;
            }
            pagine << std::exchange(pagina, Pagina{});
            y = m_inizioPagine + intestazione;
        }
        if (m_fondo - y >= m_altezzaNota + m_spazio) {
            pagina.nota = true;
            pagine << pagina;
        } else {
            pagine << pagina << Pagina{{}, false, true};
        }
        return pagine;
    }

    void disegna(int indice, int totale, const Pagina& pagina)
    {
        m_pittore.setPen(kTestoMargine);
        m_pittore.setFont(m_margine);
        m_pittore.drawText(QRectF(0, 0, m_foglio.width(), altezza(m_margine)), Qt::AlignLeft | Qt::AlignTop,
                           m_contenuto.utente);
        m_pittore.drawText(QRectF(0, m_fondo + twip(120), m_foglio.width(), altezza(m_margine)),
                           Qt::AlignHCenter | Qt::AlignTop,
                           QStringLiteral("Pagina %1 di %2").arg(indice + 1).arg(totale));
        m_pittore.setPen(Qt::black);
        double y = m_inizioPagine;
        if (indice == 0) {
            y = riga(y, m_titolo, kRientro + m_contenuto.titolo);
            riga(y, m_sottotitolo, kRientro + m_contenuto.sottotitolo);
            y = m_inizioPrima; // and a blank line
        }
        if (pagina.tabella)
            y = tabella(y, pagina);
        if (pagina.nota) {
            m_pittore.setFont(m_nota);
            m_pittore.drawText(QRectF(0, y + m_spazio, m_foglio.width(), m_altezzaNota),
                               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kRientro + m_contenuto.nota);
        }
    }

private:
    struct Colonna {
        int indice;
        QRectF posto; // its left edge and width
    };

    double twip(int misura) const { return misura * m_dpi / kTwipPerPollice; }
    double altezza(const QFont& carattere) const { return QFontMetricsF(carattere, m_pittore.device()).height(); }
    int lineeDi(int riga) const
    {
        qsizetype linee = 1;
        for (const QStringList& cella : m_righe[riga])
            linee = std::max(linee, cella.size());
        return static_cast<int>(linee);
    }
    double altezzaRiga(int linee) const { return 2 * m_spazio + m_altezzaLinea + (linee - 1) * m_interlinea; }
    int lineeCheEntrano(double posto) const
    {
        const double dopoLaPrima = posto - 2 * m_spazio - m_altezzaLinea;
        return dopoLaPrima < 0 ? 0 : static_cast<int>(dopoLaPrima / m_interlinea) + 1;
    }

    double riga(double y, const QFont& carattere, const QString& testo)
    {
        m_pittore.setFont(carattere);
        const QFontMetricsF misure(carattere, m_pittore.device());
        m_pittore.drawText(QRectF(0, y, m_foglio.width(), misure.height()), Qt::AlignLeft | Qt::AlignTop,
                           misure.elidedText(testo, Qt::ElideRight, m_foglio.width()));
        return y + misure.height();
    }

    // The header row, then the page's pieces of rows, every text whole on its lines.
    double tabella(double alto, const Pagina& pagina)
    {
        QList<Pezzo> pezzi{Pezzo{0, 0, lineeDi(0)}};
        pezzi << pagina.pezzi;
        const double larghezza = m_colonne.last().posto.right();
        QList<double> cime{alto};
        for (const Pezzo& pezzo : std::as_const(pezzi))
            cime << cime.last() + altezzaRiga(pezzo.linee);
        const double basso = cime.last();
        m_pittore.fillRect(QRectF(0, alto, larghezza, cime[1] - alto), kFondoFisso);
        m_pittore.fillRect(QRectF(0, alto, m_colonne.first().posto.width(), basso - alto), kFondoFisso);

        m_pittore.setFont(m_contenuto.carattereGriglia);
        for (qsizetype k = 0; k < pezzi.size(); ++k) {
            const Pezzo& pezzo = pezzi[k];
            for (qsizetype c = 0; c < m_colonne.size(); ++c) {
                const QStringList& linee = m_righe[pezzo.riga][c];
                const QRectF& colonna = m_colonne[c].posto;
                const Qt::Alignment allineamento =
                    (ColonneRegistro::allineamento(m_colonne[c].indice) & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
                for (int l = 0; l < pezzo.linee && pezzo.prima + l < linee.size(); ++l) {
                    const QRectF posto(colonna.left() + m_spazio, cime[k] + m_spazio + l * m_interlinea,
                                       colonna.width() - 2 * m_spazio, m_altezzaLinea);
                    m_pittore.drawText(posto, allineamento, linee[pezzo.prima + l]);
                }
            }
        }

        m_pittore.setPen(QPen(Qt::black, twip(kRigaSottileTwip)));
        for (qsizetype k = 1; k + 1 < cime.size(); ++k)
            m_pittore.drawLine(QLineF(0, cime[k], larghezza, cime[k]));
        for (qsizetype c = 1; c < m_colonne.size(); ++c)
            m_pittore.drawLine(QLineF(m_colonne[c].posto.left(), alto, m_colonne[c].posto.left(), basso));
        m_pittore.setPen(QPen(Qt::black, twip(kRigaCorniceTwip)));
        m_pittore.drawRect(QRectF(0, alto, larghezza, basso - alto));
        m_pittore.setPen(Qt::black);
        return basso;
    }

    QPainter& m_pittore;
    const StampaRegistro::Contenuto& m_contenuto;
    double m_dpi;
    QRectF m_foglio;
    QFont m_margine, m_titolo, m_sottotitolo, m_nota;
    QList<Colonna> m_colonne;
    // Row by row from the header row, the lines of each shown column's text.
    QList<QList<QStringList>> m_righe;
    double m_spazio = 0;
    double m_altezzaLinea = 0;
    double m_interlinea = 0;
    double m_inizioPagine = 0;
    double m_inizioPrima = 0;
    double m_fondo = 0;
    double m_altezzaNota = 0;
};
} // namespace

namespace StampaRegistro {

int stampa(QPrinter& stampante, const Contenuto& contenuto)
{
    if (contenuto.righe.isEmpty())
        return 0;
    QPainter pittore;
    if (!pittore.begin(&stampante))
        return 0;
    Impaginatore impaginatore(stampante, pittore, contenuto);
    const QList<Pagina> pagine = impaginatore.impagina();
    for (qsizetype i = 0; i < pagine.size(); ++i) {
        if (i > 0 && !stampante.newPage())
            return 0;
        impaginatore.disegna(static_cast<int>(i), static_cast<int>(pagine.size()), pagine[i]);
    }
    return pittore.end() ? static_cast<int>(pagine.size()) : 0;
}

} // namespace StampaRegistro
