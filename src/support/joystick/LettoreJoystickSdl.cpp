// SPDX-License-Identifier: GPL-3.0-or-later
// The controllers' module: the buttons of every game controller and joystick plugged in, read through SDL's event
// queue on the program's own thread, controllers plugged in and out while the program runs.
#include "support/PulsantiJoystick.h"

#include <QHash>
#include <QLoggingCategory>
#include <QTimer>

#define SDL_MAIN_HANDLED
#include <SDL2/SDL.h>

Q_LOGGING_CATEGORY(lcJoystick, "ordiparo.joystick", QtInfoMsg)

namespace {
// A switch's press is timed to the tens of milliseconds; with nothing plugged in, a look now and then finds a
// controller newly plugged in.
constexpr int kLetturaMs = 5;
constexpr int kAttesaCollegamentoMs = 250;

class LettoreJoystickSdl : public QObject {
public:
    LettoreJoystickSdl(std::function<void(int, bool, quint32)> pulsante, std::function<void()> scollegato)
        : m_pulsante(std::move(pulsante)), m_scollegato(std::move(scollegato))
    {
        connect(&m_timer, &QTimer::timeout, this, &LettoreJoystickSdl::leggi);
        m_timer.start(kAttesaCollegamentoMs);
    }
    ~LettoreJoystickSdl() override
    {
        for (SDL_Joystick* joystick : std::as_const(m_aperti))
            SDL_JoystickClose(joystick);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

private:
    void leggi()
    {
        SDL_Event evento;
        while (SDL_PollEvent(&evento)) {
            switch (evento.type) {
            case SDL_JOYDEVICEADDED:
                if (SDL_Joystick* joystick = SDL_JoystickOpen(evento.jdevice.which)) {
                    // Opened once only: SDL counts the openings of a controller.
                    if (m_aperti.contains(SDL_JoystickInstanceID(joystick))) {
                        SDL_JoystickClose(joystick);
                        break;
                    }
                    qCInfo(lcJoystick) << "controller plugged in:" << SDL_JoystickName(joystick);
                    m_aperti.insert(SDL_JoystickInstanceID(joystick), joystick);
                }
                break;
            case SDL_JOYDEVICEREMOVED:
                if (SDL_Joystick* joystick = m_aperti.take(evento.jdevice.which)) {
                    SDL_JoystickClose(joystick);
                    m_scollegato();
                }
                break;
            case SDL_JOYBUTTONDOWN:
            case SDL_JOYBUTTONUP:
                m_pulsante(evento.jbutton.button, evento.type == SDL_JOYBUTTONDOWN, evento.jbutton.timestamp);
                break;
            default:
                break;
            }
        }
        m_timer.setInterval(m_aperti.isEmpty() ? kAttesaCollegamentoMs : kLetturaMs);
    }

    std::function<void(int, bool, quint32)> m_pulsante;
    std::function<void()> m_scollegato;
    QTimer m_timer;
    QHash<SDL_JoystickID, SDL_Joystick*> m_aperti;
};
} // namespace

extern "C" Q_DECL_EXPORT QObject* ordiparo_lettore_joystick(std::function<void(int, bool, quint32)> pulsante,
                                                            std::function<void()> scollegato)
{
    // No window of SDL's ever has the focus: the buttons count all the same. The program's own signals stay its own.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        qCInfo(lcJoystick) << "no controllers:" << SDL_GetError();
        return nullptr;
    }
    return new LettoreJoystickSdl(std::move(pulsante), std::move(scollegato));
}
