// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing by resting the pointer, for pupils who move it (a head pointer, an eye tracker) but cannot click: resting
// on a button for the profile's time chooses it as a click would. A ring drawn on the button fills as the time
// passes; leaving the button, beyond a margin for the pointer's tremor, lets it go; after a choice, or when the
// screen opens under the pointer, the pointer must leave the button before it can choose it.
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

class QAbstractButton;
class QAction;
class QMenuBar;
class QWidget;

class SceltaConSosta : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SceltaConSosta)
public:
    // Chooses only while the screen is the window in front, with no message or menu open over it.
    explicit SceltaConSosta(QWidget* schermata);
    ~SceltaConSosta() override;

    // The buttons a rest chooses, and the entries of the menu bar (those with no menu of their own) it triggers.
    void setBersagli(const QList<QAbstractButton*>& bottoni, QMenuBar* barra = nullptr,
                     const QList<QAction*>& voci = {});
    // Watches the pointer, choosing after sostaMs of rest; 0 chooses nothing.
    void avvia(int sostaMs);
    void ferma();

private:
    class Anello;
    struct Bersaglio {
        QPointer<QWidget> widget; // the button, or the menu bar
        QPointer<QAction> voce;   // the menu bar's entry, or none
        bool operator==(const Bersaglio&) const = default;
    };

    void tic();
    bool sceglibile(const Bersaglio& bersaglio) const;
    // Where the target lies on the screen, in global coordinates.
    QRect rettangolo(const Bersaglio& bersaglio) const;
    // Still over the target, or off it within the margin for tremor.
    bool vicino(const Bersaglio& bersaglio, QPoint punto) const;
    // The target the pointer is over, none when it is over none that can be chosen.
    std::optional<Bersaglio> sotto(QPoint punto) const;
    void inizia(const Bersaglio& bersaglio);
    void lascia();
    void scegli();

    QWidget* m_schermata;
    QList<Bersaglio> m_bersagli;
    int m_sostaMs = 0;
    QTimer m_timer;
    std::optional<Bersaglio> m_corrente;
    std::optional<Bersaglio> m_daLasciare; // chosen, or under the pointer as the screen opened
    QElapsedTimer m_inizio;
    QPointer<Anello> m_anello;
};
