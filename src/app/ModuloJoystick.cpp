// SPDX-License-Identifier: GPL-3.0-or-later
// The controllers' module, loaded once the first screen is on show.
#include "app/ModuloJoystick.h"

#include "support/PulsantiJoystick.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcModuloJoystick, "ordiparo.joystick", QtInfoMsg)

ModuloJoystick::ModuloJoystick(const QString& fileModulo) : m_libreria(fileModulo) {}

ModuloJoystick::~ModuloJoystick() = default;

bool ModuloJoystick::avvia(PulsantiJoystick& pulsanti)
{
    if (std::exchange(m_tentato, true))
        return m_lettore != nullptr;
    const auto ingresso = reinterpret_cast<IngressoModuloJoystick>(m_libreria.resolve(kIngressoModuloJoystick));
    if (!ingresso) {
        qCInfo(lcModuloJoystick) << "no controllers' module:" << m_libreria.errorString();
        return false;
    }
    m_lettore.reset(ingresso(
        [&pulsanti](int numero, bool premuto, quint32 istanteMs) { pulsanti.premi(numero, premuto, istanteMs); },
        [&pulsanti] { pulsanti.scollega(); }));
    return m_lettore != nullptr;
}
