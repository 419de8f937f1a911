// SPDX-License-Identifier: GPL-3.0-or-later
// The speaking character as the screens use it: load it, place it, show it, let it speak, stop it.
#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class Personaggio {
public:
    // Balloon style bits: the balloon is shown; it grows to hold the whole text.
    static constexpr int kFumettoVisibile = 1;
    static constexpr int kFumettoTuttoIlTesto = 2;

    virtual ~Personaggio() = default;
    virtual void setLanguageID(int lingua) = 0;
    virtual void setBalloonFontName(const QString& nome) = 0;
    virtual void setBalloonFontSize(int punti) = 0;
    virtual int BalloonStyle() const = 0;
    virtual void setBalloonStyle(int stile) = 0;
    // Screen pixels of the top left corner; a speed of 0 moves at once, any other glides there.
    virtual void MoveTo(int x, int y, int velocita = 1000) = 0;
    // The character is drawn as large as fits this size, in proportion, so that it stands within the place the
    // screen keeps for it at any display size.
    virtual void entraIn(QSize spazio) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Queues the text (leading "\Spd=n\" and "\Pit=n\" tags set the voice) and returns its request number.
    virtual int Speak(const QString& testo) = 0;
    // Everything queued or under way stops at once.
    virtual void StopAll() = 0;
    // True while a sentence is queued or being said.
    virtual bool staParlando() const { return false; }
    // Told as each word of a sentence starts to be heard: the number Speak gave the sentence, and where the word
    // starts in the sentence without its speech tags; -1 once the sentence is over or stopped. While someone
    // follows the words the balloon marks the word heard too; a null follower ends it.
    using AvvisoParola = std::function<void(int richiesta, int posizione)>;
    virtual void seguiParole(AvvisoParola /*avviso*/) {}
};

// The character's language as the program keeps it: a language number, hexadecimal after "&H" ("&H410" is 1040,
// Italian) or else decimal.
inline int numeroLingua(const QString& testo)
{
    const bool esadecimale = testo.startsWith(QStringLiteral("&H"), Qt::CaseInsensitive);
    return (esadecimale ? testo.mid(2) : testo).toInt(nullptr, esadecimale ? 16 : 10);
}

// The speech tags that set speed and pitch before a sentence: "\Spd=130\\Pit=100\".
inline QString tagVoce(int velocita, int tono)
{
    return QStringLiteral("\\Spd=%1\\\\Pit=%2\\").arg(velocita).arg(tono);
}

// Sets or clears one bit of the balloon style, keeping the others.
inline void impostaBitFumetto(Personaggio& personaggio, int bit, bool acceso)
{
    const int stile = personaggio.BalloonStyle();
    personaggio.setBalloonStyle(acceso ? stile | bit : stile & ~bit);
}

// The component that loads characters for one screen and owns them.
class ControlloAgente {
public:
    virtual ~ControlloAgente() = default;
    // Loads the character file from the component's own character folder; false with an Italian reason.
    virtual bool CharactersLoad(const QString& id, const QString& file, QString* motivo) = 0;
    // The loaded character, or null.
    virtual Personaggio* Characters(const QString& id) = 0;
};
