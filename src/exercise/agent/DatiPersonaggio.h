// SPDX-License-Identifier: GPL-3.0-or-later
// A character file: its drawing size, its frames (SVG drawings) and its animations (frames with timings).
#pragma once

#include <QHash>
#include <QList>
#include <QSharedPointer>
#include <QSize>
#include <QString>
#include <optional>

class QSvgRenderer;

struct PassoAnimazione {
    QString fotogramma;
    int ms = 0;
    double opacita = 1;
};

struct DatiPersonaggio {
    QString nome;
    QSize dimensione;
    QHash<QString, QSharedPointer<QSvgRenderer>> fotogrammi;
    QHash<QString, QList<PassoAnimazione>> animazioni;

    // The animations every character must have.
    static const QStringList kAnimazioniNecessarie;

    // Reads the file; a missing or broken file gives nullopt and an Italian reason.
    static std::optional<DatiPersonaggio> leggi(const QString& file, QString* motivo);
};
