// SPDX-License-Identifier: GPL-3.0-or-later
// The word balloon: the words appear as they are spoken. Sized to the whole text, or a fixed two lines
// showing the latest words.
#pragma once

#include "support/TestoAParole.h"

#include <QTextLayout>
#include <QWidget>

class Fumetto : public QWidget {
    Q_OBJECT
public:
    explicit Fumetto(QWidget* schermata);

    // Starts a new text beside the character's box; nothing is shown yet.
    void inizia(const QString& testo, bool tuttoIlTesto, const QRect& figura);
    // Shows the text up to this character, with a block behind the word being heard when one is given.
    void rivela(int finoA, TestoAParole::Parola segnata = {});
    QString testoMostrato() const { return m_mostrato; }
    TestoAParole::Parola parolaSegnata() const { return m_segnata; } // in the text shown

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QRect areaTesto() const;
    void posiziona();

    QString m_testo;
    QString m_mostrato;
    TestoAParole::Parola m_segnata; // in the text shown
    QTextLayout m_disposizione;
    bool m_tuttoIlTesto = true;
    QRect m_figura;
};
