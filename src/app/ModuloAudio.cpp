// SPDX-License-Identifier: GPL-3.0-or-later
// The sound and speech module, loaded once the first screen is on show, and the stand-ins the screens use.
#include "app/ModuloAudio.h"

#include "support/Personaggio.h"
#include "support/ServiziAudio.h"
#include "support/VoceScansione.h"

#include <QApplication>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcModuloAudio, "ordiparo.audio", QtInfoMsg)

namespace {
class AgenteSenzaModulo : public ControlloAgente {
public:
    explicit AgenteSenzaModulo(QString motivo) : m_motivo(std::move(motivo)) {}
    bool CharactersLoad(const QString&, const QString&, QString* motivo) override
    {
        if (motivo)
            *motivo = m_motivo;
        return false;
    }
    Personaggio* Characters(const QString&) override { return nullptr; }

private:
    QString m_motivo;
};
} // namespace

// The scanning voice the screens hold from the start.
class ModuloAudio::Voce : public VoceScansione {
public:
    explicit Voce(ModuloAudio& modulo) : m_modulo(modulo) {}
    ~Voce() override
    {
        if (m_modulo.m_voceInAttesa == this)
            m_modulo.m_voceInAttesa = nullptr;
    }
    void annuncia(const QString& parola, int velocita, int tono) override
    {
        if (m_modulo.m_voce) {
            m_modulo.m_voce->annuncia(parola, velocita, tono);
            return;
        }
        m_parola = parola;
        m_velocita = velocita;
        m_tono = tono;
        m_modulo.m_voceInAttesa = this;
    }
    void taci() override
    {
        m_parola.clear();
        if (m_modulo.m_voce)
            m_modulo.m_voce->taci();
    }
    void diciQuelloInAttesa()
    {
        if (!m_parola.isEmpty())
            annuncia(std::exchange(m_parola, QString()), m_velocita, m_tono);
    }

private:
    ModuloAudio& m_modulo;
    QString m_parola;
    int m_velocita = 0;
    int m_tono = 0;
};

ModuloAudio::ModuloAudio(const QString& fileModulo) : m_libreria(fileModulo) {}

ModuloAudio::~ModuloAudio() = default;

bool ModuloAudio::carica()
{
    if (std::exchange(m_tentato, true))
        return caricato();
    const auto ingresso = reinterpret_cast<IngressoModuloAudio>(m_libreria.resolve(kIngressoModuloAudio));
    if (!ingresso) {
        qCWarning(lcModuloAudio) << "no sound and speech module:" << m_libreria.errorString();
        m_motivo = QStringLiteral("manca il modulo dei suoni e della voce (%1)").arg(m_libreria.fileName());
        return false;
    }
    m_servizi.reset(ingresso());
    m_suoni = m_servizi->creaSuoni();
    m_voce = m_servizi->creaVoceScansione();
    if (m_voceInAttesa)
        m_voceInAttesa->diciQuelloInAttesa();
    return true;
}

void ModuloAudio::suona(const QString& percorso)
{
    if (carica())
        m_suoni->suona(percorso);
    else
        QApplication::beep();
}

bool ModuloAudio::staSuonando() const
{
    return m_suoni && m_suoni->staSuonando();
}

std::unique_ptr<VoceScansione> ModuloAudio::voceScansione()
{
    return std::make_unique<Voce>(*this);
}

std::unique_ptr<ControlloAgente> ModuloAudio::creaAgente(QWidget* schermata, const QString& cartellaPersonaggi)
{
    if (carica())
        return m_servizi->creaAgente(schermata, cartellaPersonaggi);
    return std::make_unique<AgenteSenzaModulo>(m_motivo);
}
