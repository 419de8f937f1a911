// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's switch as a profile line names it.
#include "storage/Sensore.h"

#include <QMetaEnum>
#include <array>

namespace {
constexpr int kUltimoPulsante = 255; // a joystick's buttons are numbered in a byte
const QString kPrefissoQt = QStringLiteral("Key_");

struct TastoMouse {
    Qt::MouseButton tasto;
    const char* nome;
};
constexpr std::array<TastoMouse, 5> kTastiMouse = {{{Qt::LeftButton, "sinistro"},
                                                    {Qt::RightButton, "destro"},
                                                    {Qt::MiddleButton, "centrale"},
                                                    {Qt::BackButton, "indietro"},
                                                    {Qt::ForwardButton, "avanti"}}};

const QString kTasto = QStringLiteral("tasto:");
const QString kMouse = QStringLiteral("mouse:");
const QString kJoystick = QStringLiteral("joystick:");
} // namespace

Sensore Sensore::tasto(int chiave)
{
    return {Tipo::Tasto, chiave == Qt::Key_Enter ? Qt::Key_Return : chiave};
}

Sensore Sensore::predefinito(int numero)
{
    return tasto(numero == 1 ? Qt::Key_Space : Qt::Key_Return);
}

std::optional<QString> Sensore::testo() const
{
    switch (tipo) {
    case Tipo::Tasto: {
        const char* nome = QMetaEnum::fromType<Qt::Key>().valueToKey(codice);
        if (!nome)
            return std::nullopt;
        return kTasto + QString::fromLatin1(nome).mid(kPrefissoQt.size());
    }
    case Tipo::Mouse:
        for (const TastoMouse& mouse : kTastiMouse) {
            if (static_cast<int>(mouse.tasto) == codice)
                return kMouse + QString::fromLatin1(mouse.nome);
        }
        return std::nullopt;
    case Tipo::Joystick:
        return kJoystick + QString::number(codice);
    }
    return std::nullopt;
}

std::optional<Sensore> Sensore::daTesto(const QString& testo)
{
    if (testo.startsWith(kTasto)) {
        bool trovato = false;
        const int chiave =
            QMetaEnum::fromType<Qt::Key>().keyToValue((kPrefissoQt + testo.mid(kTasto.size())).toLatin1(), &trovato);
        // Only the name the key is written with: no number, no combination of names.
        if (trovato && Sensore::tasto(chiave).testo() == testo)
            return Sensore::tasto(chiave);
        return std::nullopt;
    }
    if (testo.startsWith(kMouse)) {
        for (const TastoMouse& mouse : kTastiMouse) {
            if (testo.mid(kMouse.size()) == QLatin1String(mouse.nome))
                return Sensore::mouse(mouse.tasto);
        }
        return std::nullopt;
    }
    const QString numero = testo.mid(kJoystick.size());
    const int pulsante = numero.toInt();
    // Only the number as it is written: no sign, no leading zero.
    if (testo.startsWith(kJoystick) && QString::number(pulsante) == numero && pulsante >= 0 &&
        pulsante <= kUltimoPulsante)
        return Sensore{Tipo::Joystick, pulsante};
    return std::nullopt;
}

Sensore Sensore::dalProfilo(const QString& testo, int numero)
{
    return daTesto(testo).value_or(predefinito(numero));
}
