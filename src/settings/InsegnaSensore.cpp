// SPDX-License-Identifier: GPL-3.0-or-later
// The window in which the teacher presses the pupil's switch so that the program learns it.
#include "settings/InsegnaSensore.h"

#include "support/PulsantiJoystick.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kLarghezza = 520;
constexpr int kAltezza = 260;

QString nomeMouse(int tasto)
{
    switch (tasto) {
    case Qt::LeftButton:
        return QStringLiteral("sinistro");
    case Qt::RightButton:
        return QStringLiteral("destro");
    case Qt::MiddleButton:
        return QStringLiteral("centrale");
    case Qt::BackButton:
        return QStringLiteral("indietro");
    default:
        return QStringLiteral("avanti");
    }
}
} // namespace

InsegnaSensore::InsegnaSensore(int numero, const Sensore& altro, PulsantiJoystick* joystick, QWidget* genitore)
    : QDialog(genitore), m_numero(numero), m_altro(altro), m_testo(new QLabel(this)),
      m_annulla(new QPushButton(QStringLiteral("Annulla"), this))
{
    setObjectName(QStringLiteral("insegnaSensore"));
    setWindowTitle(QStringLiteral("Ordiparo"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(kLarghezza, kAltezza);
    m_testo->setObjectName(QStringLiteral("testoInsegnaSensore"));
    m_testo->setTextFormat(Qt::PlainText);
    m_testo->setWordWrap(true);
    m_testo->setAlignment(Qt::AlignCenter);
    m_testo->setText(QStringLiteral("Premi il sensore %1 dell'alunno: un tasto, un tasto del mouse in questa finestra "
                                    "o un pulsante del joystick.")
                         .arg(numero));
    // The keys are all the switch's: none moves the focus, none presses "Annulla", which only the mouse does.
    m_annulla->setObjectName(QStringLiteral("annullaInsegnaSensore"));
    m_annulla->setFocusPolicy(Qt::NoFocus);
    m_annulla->setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_annulla, &QPushButton::clicked, this, &QDialog::reject);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(m_testo, 1);
    colonna->addWidget(m_annulla, 0, Qt::AlignRight);
    connect(joystick, &PulsantiJoystick::pulsante, this, [this](int pulsante, bool giu) {
        const Sensore sensore{Sensore::Tipo::Joystick, pulsante};
        giu ? premuto(sensore) : rilasciato(sensore);
    });
}

QString InsegnaSensore::descrizione(const Sensore& sensore)
{
    switch (sensore.tipo) {
    case Sensore::Tipo::Tasto:
        if (sensore.codice == Qt::Key_Space)
            return QStringLiteral("tasto spazio");
        if (sensore.codice == Qt::Key_Return)
            return QStringLiteral("tasto invio");
        return QStringLiteral("tasto ") + QKeySequence(sensore.codice).toString(QKeySequence::NativeText);
    case Sensore::Tipo::Mouse:
        return QStringLiteral("tasto del mouse ") + nomeMouse(sensore.codice);
    case Sensore::Tipo::Joystick:
        return QStringLiteral("pulsante %1 del joystick").arg(sensore.codice);
    }
    return {};
}

bool InsegnaSensore::event(QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::ShortcutOverride:
        evento->accept(); // no shortcut of the screen behind takes the switch's key
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        if (!tasto->isAutoRepeat())
            evento->type() == QEvent::KeyPress ? premuto(Sensore::tasto(tasto->key()))
                                               : rilasciato(Sensore::tasto(tasto->key()));
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        premuto(Sensore::mouse(static_cast<QMouseEvent*>(evento)->button()));
        return true;
    case QEvent::MouseButtonRelease:
        rilasciato(Sensore::mouse(static_cast<QMouseEvent*>(evento)->button()));
        return true;
    default:
        return QDialog::event(evento);
    }
}

void InsegnaSensore::premuto(const Sensore& sensore)
{
    if (m_preso)
        return;
    if (sensore == m_altro)
        m_testo->setText(QStringLiteral("Il %1 è già il sensore %2: premi un altro sensore.")
                             .arg(descrizione(sensore))
                             .arg(3 - m_numero));
    else if (!sensore.testo())
        m_testo->setText(QStringLiteral("Questo tasto non si può usare come sensore: premi un altro sensore."));
    else {
        m_preso = sensore;
        m_testo->setText(QStringLiteral("Sensore %1: %2").arg(m_numero).arg(descrizione(sensore)));
    }
}

void InsegnaSensore::rilasciato(const Sensore& sensore)
{
    if (m_preso != sensore)
        return;
    emit imparato(sensore);
    accept();
}
