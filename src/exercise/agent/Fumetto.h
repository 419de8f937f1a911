// SPDX-License-Identifier: GPL-3.0-or-later
// The word balloon: the words appear as they are spoken. Sized to the whole text, or a fixed two lines
// showing the latest words.
#pragma once

#include <QWidget>

class Fumetto : public QWidget {
    Q_OBJECT
public:
    explicit Fumetto(QWidget* schermata);

    // Starts a new text beside the character's box; nothing is shown yet.
    void inizia(const QString& testo, bool tuttoIlTesto, const QRect& figura);
    // Shows the text up to this character.
    void rivela(int finoA);
    QString testoMostrato() const { return m_mostrato; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QRect areaTesto() const;
    void posiziona();

    QString m_testo;
    QString m_mostrato;
    bool m_tuttoIlTesto = true;
    QRect m_figura;
};
