// The record of exercises done as a printed report, page by page.
#include "results/StampaRegistro.h"

#include "results/ColonneRegistro.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

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

// The rows of the table a page shows, [da, a), and whether the note ends it.
struct Pagina {
    int da = 1;
    int a = 1;
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
        m_altezzaRiga = altezza(contenuto.carattereGriglia) + 2 * twip(kSpazioCellaTwip);
        const QString numeri(QString::number(contenuto.righe.size() - 1).size(), u'0');
        const double perNumeri = QFontMetricsF(contenuto.carattereGriglia, pittore.device()).horizontalAdvance(numeri) +
                                 2 * twip(kSpazioCellaTwip + kRigaSottileTwip);
        const auto larghezze = ColonneRegistro::larghezze(
            static_cast<int>(m_foglio.width() * ColonneRegistro::kQuoteTotali / ColonneRegistro::kQuoteUsate),
            static_cast<int>(std::ceil(perNumeri)));
        double x = 0;
        for (const int larghezza : larghezze) {
            m_colonne << QRectF(x, 0, larghezza, 0);
            x += larghezza;
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

    QList<Pagina> impagina() const
    {
        const int ultima = static_cast<int>(m_contenuto.righe.size()) - 1;
        QList<Pagina> pagine;
        int riga = 1;
        double fineTabella = 0;
        do { // the first page shows the header row even when there is no row under it
            const double inizio = pagine.isEmpty() ? m_inizioPrima : m_inizioPagine;
            const int posto = std::max(1, static_cast<int>((m_fondo - inizio) / m_altezzaRiga) - 1);
            Pagina pagina{riga, std::min(ultima + 1, riga + posto)};
            riga = pagina.a;
            fineTabella = inizio + (pagina.a - pagina.da + 1) * m_altezzaRiga;
            pagine << pagina;
        } while (riga <= ultima);
        if (m_fondo - fineTabella >= m_altezzaNota + twip(kSpazioCellaTwip))
            pagine.last().nota = true;
        else
            pagine << Pagina{riga, riga, false, true};
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
            m_pittore.drawText(QRectF(0, y + twip(kSpazioCellaTwip), m_foglio.width(), m_altezzaNota),
                               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kRientro + m_contenuto.nota);
        }
    }

private:
    double twip(int misura) const { return misura * m_dpi / kTwipPerPollice; }
    double altezza(const QFont& carattere) const { return QFontMetricsF(carattere, m_pittore.device()).height(); }

    double riga(double y, const QFont& carattere, const QString& testo)
    {
        m_pittore.setFont(carattere);
        const QFontMetricsF misure(carattere, m_pittore.device());
        m_pittore.drawText(QRectF(0, y, m_foglio.width(), misure.height()), Qt::AlignLeft | Qt::AlignTop,
                           misure.elidedText(testo, Qt::ElideRight, m_foglio.width()));
        return y + misure.height();
    }

    // The header row, then the page's rows; one line of text a row, each cell cut to its column.
    double tabella(double alto, const Pagina& pagina)
    {
        QList<int> righe{0};
        for (int r = pagina.da; r < pagina.a; ++r)
            righe << r;
        const double larghezza = m_colonne.last().right();
        const double basso = alto + righe.size() * m_altezzaRiga;
        m_pittore.fillRect(QRectF(0, alto, larghezza, m_altezzaRiga), kFondoFisso);
        m_pittore.fillRect(QRectF(0, alto, m_colonne.first().width(), basso - alto), kFondoFisso);

        m_pittore.setFont(m_contenuto.carattereGriglia);
        const QFontMetricsF misure(m_contenuto.carattereGriglia, m_pittore.device());
        const double spazio = twip(kSpazioCellaTwip);
        for (qsizetype k = 0; k < righe.size(); ++k) {
            const QStringList& celle = m_contenuto.righe[righe[k]];
            const double y = alto + k * m_altezzaRiga;
            for (int c = 0; c < m_colonne.size() && c < celle.size(); ++c) {
                const QRectF cella =
                    QRectF(m_colonne[c].left(), y, m_colonne[c].width(), m_altezzaRiga).adjusted(spazio, 0, -spazio, 0);
                m_pittore.drawText(cella, ColonneRegistro::allineamento(c),
                                   misure.elidedText(celle[c], Qt::ElideRight, cella.width()));
            }
        }

        m_pittore.setPen(QPen(Qt::black, twip(kRigaSottileTwip)));
        for (qsizetype k = 1; k < righe.size(); ++k)
            m_pittore.drawLine(QLineF(0, alto + k * m_altezzaRiga, larghezza, alto + k * m_altezzaRiga));
        for (qsizetype c = 1; c < m_colonne.size(); ++c)
            m_pittore.drawLine(QLineF(m_colonne[c].left(), alto, m_colonne[c].left(), basso));
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
    QList<QRectF> m_colonne;
    double m_altezzaRiga = 0;
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
