// SPDX-License-Identifier: GPL-3.0-or-later
// The character drawn over its screen, playing the animations of its character file.
#include "exercise/agent/FiguraPersonaggio.h"

#include <QPainter>
#include <QSvgRenderer>

FiguraPersonaggio::FiguraPersonaggio(DatiPersonaggio dati, QWidget* schermata)
    : QWidget(schermata), m_dati(std::move(dati))
{
    setObjectName(QStringLiteral("qt_personaggio"));
    // The pupil clicks the texts under him, not him.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(m_dati.dimensione);
    m_passo.setSingleShot(true);
    connect(&m_passo, &QTimer::timeout, this, &FiguraPersonaggio::passoSeguente);
    hide();
}

void FiguraPersonaggio::anima(const QString& nome, bool ripeti, std::function<void()> allaFine)
{
    m_animazione = nome;
    m_ripeti = ripeti;
    m_allaFine = std::move(allaFine);
    m_indice = -1;
    passoSeguente();
}

void FiguraPersonaggio::passoSeguente()
{
    const QList<PassoAnimazione>& passi = m_dati.animazioni.value(m_animazione);
    if (passi.isEmpty())
        return;
    ++m_indice;
    if (m_indice >= passi.size()) {
        if (!m_ripeti) {
            if (auto allaFine = std::exchange(m_allaFine, {}))
                allaFine();
            return;
        }
        m_indice = 0;
    }
    const PassoAnimazione& passo = passi.at(m_indice);
    m_fotogramma = passo.fotogramma;
    m_opacita = passo.opacita;
    update();
    // A step of 0 ms holds its frame: the animation ends there.
    if (passo.ms > 0)
        m_passo.start(passo.ms);
    else if (m_indice + 1 >= passi.size() && !m_ripeti)
        passoSeguente();
}

const QPixmap& FiguraPersonaggio::disegno(const QString& fotogramma)
{
    const qreal scala = devicePixelRatioF();
    QPixmap& pronto = m_disegni[fotogramma];
    if (pronto.isNull() || pronto.size() != size() * scala) {
        pronto = QPixmap(size() * scala);
        pronto.setDevicePixelRatio(scala);
        pronto.fill(Qt::transparent);
        QPainter pittore(&pronto);
        m_dati.fotogrammi.value(fotogramma)->render(&pittore, QRectF(QPointF(0, 0), size()));
    }
    return pronto;
}

void FiguraPersonaggio::paintEvent(QPaintEvent*)
{
    if (m_fotogramma.isEmpty())
        return;
    QPainter pittore(this);
    pittore.setOpacity(m_opacita);
    pittore.drawPixmap(0, 0, disegno(m_fotogramma));
}
