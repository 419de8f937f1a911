// SPDX-License-Identifier: GPL-3.0-or-later
// The character drawn over its screen: a child widget with a transparent surround, so it looks right
// without a compositing window manager, playing the animations of its character file.
#pragma once

#include "exercise/agent/DatiPersonaggio.h"

#include <QHash>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <functional>

class FiguraPersonaggio : public QWidget {
    Q_OBJECT
public:
    FiguraPersonaggio(DatiPersonaggio dati, QWidget* schermata);

    // Plays an animation; a repeated one loops until another starts, any other calls allaFine at its end.
    void anima(const QString& nome, bool ripeti, std::function<void()> allaFine = {});
    QString animazione() const { return m_animazione; }
    QString fotogramma() const { return m_fotogramma; }
    // The size the character file draws it at.
    QSize dimensioneDisegno() const { return m_dati.dimensione; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void passoSeguente();
    const QPixmap& disegno(const QString& fotogramma);

    DatiPersonaggio m_dati;
    QHash<QString, QPixmap> m_disegni;
    QTimer m_passo;
    QString m_animazione;
    QString m_fotogramma;
    double m_opacita = 1;
    int m_indice = 0;
    bool m_ripeti = false;
    std::function<void()> m_allaFine;
};
