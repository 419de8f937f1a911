// SPDX-License-Identifier: GPL-3.0-or-later
// A whole program over a test environment with recording stand-ins, and what the screen tests share.
#pragma once

#include "app/Ordiparo.h"
#include "support/AmbienteProva.h"
#include "support/Personaggio.h"
#include "support/SuonoFeedback.h"
#include "support/VoceScansione.h"

#include <QColor>
#include <QSize>
#include <QStringList>

class QImage;
class QPushButton;

// The control of that object name inside dove; the test stops where there is none.
template <typename Controllo> Controllo* trova(const QObject* dove, const QString& nome)
{
    auto* trovato = dove->findChild<Controllo*>(nome);
    if (!trovato)
        qFatal("no %s named %s", Controllo::staticMetaObject.className(), qPrintable(nome));
    return trovato;
}

// A JPEG of one colour and the given size as stored; an EXIF orientation other than 1 turns it when shown.
QByteArray jpeg(QSize salvata, int orientamento = 1, const QColor& colore = Qt::darkGreen);

// Records the sounds it is asked to play, and plays them on the real player when given one.
struct SuonoFinto : SuonoFeedback {
    void suona(const QString& percorso) override
    {
        suonati << percorso.section(u'/', -1);
        if (vero)
            vero->suona(percorso);
    }
    bool staSuonando() const override { return suonando || (vero && vero->staSuonando()); }
    QStringList suonati;
    SuonoFeedback* vero = nullptr;
    bool suonando = false;
};

// A speaking character that writes down what it is asked to do, one line a call.
class PersonaggioFinto : public Personaggio {
public:
    explicit PersonaggioFinto(QStringList& registro) : m_registro(registro) {}
    void setLanguageID(int lingua) override { m_registro << QStringLiteral("LanguageID %1").arg(lingua); }
    void setBalloonFontName(const QString& nome) override { m_registro << QStringLiteral("FontName ") + nome; }
    void setBalloonFontSize(int punti) override { m_registro << QStringLiteral("FontSize %1").arg(punti); }
    int BalloonStyle() const override { return m_stile; }
    void setBalloonStyle(int stile) override { m_stile = stile; }
    void MoveTo(int x, int y, int v) override { m_registro << QStringLiteral("MoveTo %1 %2 %3").arg(x).arg(y).arg(v); }
    void entraIn(QSize spazio) override { this->spazio = spazio; }
    void Show() override { m_registro << QStringLiteral("Show"); }
    void Hide() override { m_registro << QStringLiteral("Hide"); }
    int Speak(const QString& testo) override { return int((m_registro << QStringLiteral("Speak ") + testo).size()); }
    void StopAll() override { m_registro << QStringLiteral("StopAll"); }
    bool staParlando() const override { return parlando; }
    void seguiParole(AvvisoParola avviso) override { avvisoParola = std::move(avviso); }
    QSize spazio;
    bool parlando = false;
    AvvisoParola avvisoParola; // the screen's, called by the test as if a word were heard

private:
    QStringList& m_registro;
    int m_stile = 4; // a bit the screens must keep
};

// Writes down each word auditory scanning says: "vero 195 100" with the voice's speed and pitch.
class VoceScansioneFinta : public VoceScansione {
public:
    explicit VoceScansioneFinta(QStringList& registro) : m_registro(registro) {}
    void annuncia(const QString& p, int v, int t) override { m_registro << QString("%1 %2 %3").arg(p).arg(v).arg(t); }
    void taci() override {}

private:
    QStringList& m_registro;
};

// The program with recording stand-ins (no character unless personaggioDisponibile); messages only recorded.
struct ProgrammaProva {
    explicit ProgrammaProva(const AmbienteProva& ambiente);
    // Closes every screen and deletes it.
    ~ProgrammaProva();

    ImpostazioniUtente& imp() { return stato->ImpostazioniUtente; }
    // A row: stimulus (code 1 text, 0 picture), then statements as answer code and text; the rest blank.
    void metti(int riga, const QString& stimolo, int codice, const QStringList& voci);

    std::unique_ptr<StatoProgramma> stato;
    SuonoFinto suoni;
    QStringList agente;
    QStringList parole; // said by auditory scanning
    bool personaggioDisponibile = true;
    Ordiparo programma;
};

// The base of a test of the screens: a new program over new folders at each nuovoProgramma(), and its state.
class ProvaConProgramma : public QObject {
protected:
    void nuovoProgramma()
    {
        m_p.reset(); // the program before closes while its folders are still there
        m_ambiente = std::make_unique<AmbienteProva>();
        m_p = std::make_unique<ProgrammaProva>(*m_ambiente);
    }
    StatoProgramma& stato() { return *m_p->stato; }
    ImpostazioniUtente& imp() { return m_p->imp(); }
    // The profile on disk in that file of the users' folder, as the program reads it.
    ImpostazioniUtente suDisco(const QString& file)
    {
        ImpostazioniUtente letto;
        FileProfilo::LeggiUtente(letto, stato().percorsi.cartellaUtenti() + file, stato().percorsi);
        return letto;
    }
    std::unique_ptr<AmbienteProva> m_ambiente;
    std::unique_ptr<ProgrammaProva> m_p;
};

// A switch pressed and let go on the widget; its release counts once the switch has stayed up.
void premiSensore(QWidget* ricevitore, Qt::Key tasto, bool ripetuto = false);
// The indexes of the shown buttons painted in the highlight colour, "-" when none is.
QString accesi(const QList<QPushButton*>& bottoni, double coloreEvidenziato);
// Whether the picture shows anything: not all of one colour.
bool disegnato(const QImage& immagine);
// Whether the picture is the one kept in tests/support/attesi/<nome>.png, each pixel within a few levels (the
// rasterizer's rounding); when not, it is written to scritti/ here, to look at or to keep when the change is meant.
bool comeAtteso(const QImage& immagine, const QString& nome);
