// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the controls of a screen in proportion to its size, and sizes a screen to a share of the display.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

class Schermata;

// Each control's "tag" property may hold "@" followed by the letters L, T, W and H of the values
// that scale (left, top, width, height); without a leading "@" all four scale. A control whose
// "linea" property is true is a line: its values are the end points X1, Y1, X2, Y2.
class Proporzioni {
public:
    Schermata* schermata() const { return m_sorgente; }
    void setSchermata(Schermata* schermata) { m_sorgente = schermata; }

    void registraDiNuovo() { registraDisposizione(); }
    void occupaQuota(quint8 percentuale);
    void ridimensionaControlli();

private:
    struct Disposizione {
        QPointer<QWidget> controllo;
        std::array<int, 4> valori{};
    };
    void registraDisposizione();
    std::vector<QWidget*> controlli() const;

    QPointer<Schermata> m_sorgente;
    int m_larghezzaRegistrata = 0;
    int m_altezzaRegistrata = 0;
    std::vector<Disposizione> m_disposizioni;
    bool m_daRegistrare = true;
};
