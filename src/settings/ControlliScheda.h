// SPDX-License-Identifier: GPL-3.0-or-later
// The small makers of the settings tabs' controls: a titled box, a choice, a button, each with its object name.
#pragma once

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace ControlliScheda {

inline QGroupBox* riquadro(const QString& titolo, const QString& nome, QWidget* dentro)
{
    auto* gruppo = new QGroupBox(titolo, dentro);
    gruppo->setObjectName(nome);
    gruppo->setFlat(true); // the style's own panel would shade the tab's colour
    return gruppo;
}

inline QRadioButton* opzione(const QString& testo, const QString& nome, QWidget* dentro)
{
    auto* scelta = new QRadioButton(testo, dentro);
    scelta->setObjectName(nome);
    return scelta;
}

inline QPushButton* bottone(const QString& testo, const QString& nome, QWidget* dentro)
{
    auto* comando = new QPushButton(testo, dentro);
    comando->setObjectName(nome);
    return comando;
}

} // namespace ControlliScheda
