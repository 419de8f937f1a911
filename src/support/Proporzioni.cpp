// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the controls of a screen in proportion to its size.
#include "support/Proporzioni.h"

#include "support/Schermata.h"

#include <QScreen>
#include <cmath>

namespace {
enum Valore { Sinistra, Alto, Larghezza, Altezza };

bool eLinea(const QWidget* controllo)
{
    return controllo->property("linea").toBool();
}

// Which of left, top, width and height scale, from the control's tag.
std::array<bool, 4> valoriDaScalare(const QWidget* controllo)
{
    const QString tag = controllo->property("tag").toString().toUpper();
    if (!tag.startsWith(u'@'))
        return {true, true, true, true};
    const QString lettere = tag.mid(1);
    return {lettere.contains(u'L'), lettere.contains(u'T'), lettere.contains(u'W'), lettere.contains(u'H')};
}

// Left, top, width, height; for a line its end points.
std::array<int, 4> valoriDi(const QWidget* controllo)
{
    const QRect g = controllo->geometry();
    if (eLinea(controllo))
        return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    return {g.left(), g.top(), g.width(), g.height()};
}

void applica(QWidget* controllo, const std::array<int, 4>& v)
{
    if (eLinea(controllo))
        controllo->setGeometry(v[Sinistra], v[Alto], v[Larghezza] - v[Sinistra], v[Altezza] - v[Alto]);
    else
        controllo->setGeometry(v[Sinistra], v[Alto], v[Larghezza], v[Altezza]);
}
} // namespace

std::vector<QWidget*> Proporzioni::controlli() const
{
    // The screen's controls are the widgets it named; Qt's own inner widgets are left alone.
    std::vector<QWidget*> trovati;
    const auto figli = m_sorgente->area()->findChildren<QWidget*>();
    for (QWidget* figlio : figli) {
        const QString nome = figlio->objectName();
        if (!nome.isEmpty() && !nome.startsWith(QStringLiteral("qt_")))
            trovati.push_back(figlio);
    }
    return trovati;
}

void Proporzioni::registraDisposizione()
{
    const QSize area = m_sorgente->dimensioneArea();
    m_larghezzaRegistrata = area.width();
    m_altezzaRegistrata = area.height();
    m_disposizioni.clear();
    for (QWidget* controllo : controlli())
        m_disposizioni.push_back({controllo, valoriDi(controllo)});
    m_daRegistrare = false;
}

void Proporzioni::occupaQuota(quint8 percentuale)
{
    if (!m_sorgente)
        return;
    if (m_daRegistrare)
        registraDisposizione();
    const QRect schermo = m_sorgente->screen()->availableGeometry();
    const int altezza = static_cast<int>(percentuale / 100.0 * schermo.height());
    const int larghezza = static_cast<int>(percentuale / 100.0 * schermo.width());
    m_sorgente->setGeometry(schermo.left() + (schermo.width() - larghezza) / 2,
                            schermo.top() + (schermo.height() - altezza) / 2, larghezza, altezza);
    ridimensionaControlli();
}

void Proporzioni::ridimensionaControlli()
{
    if (!m_sorgente || m_sorgente->isMinimized() || controlli().empty())
        return;
    if (m_daRegistrare) {
        registraDisposizione();
        return;
    }
    if (m_larghezzaRegistrata <= 0 || m_altezzaRegistrata <= 0)
        return;
    const QSize area = m_sorgente->dimensioneArea();
    const double rapportoX = static_cast<double>(area.width()) / m_larghezzaRegistrata;
    const double rapportoY = static_cast<double>(area.height()) / m_altezzaRegistrata;

    m_sorgente->setUpdatesEnabled(false);
    for (const Disposizione& d : m_disposizioni) {
        if (!d.controllo)
            continue;
        const std::array<bool, 4> scala = valoriDaScalare(d.controllo);
        std::array<int, 4> valori = valoriDi(d.controllo);
        const double rapporti[4] = {rapportoX, rapportoY, rapportoX, rapportoY};
        for (int v = Sinistra; v <= Altezza; ++v) {
            if (scala[v])
                valori[v] = static_cast<int>(std::lround(d.valori[v] * rapporti[v]));
        }
        applica(d.controllo, valori);
    }
    m_sorgente->setUpdatesEnabled(true);
}
