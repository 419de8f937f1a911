// SPDX-License-Identifier: GPL-3.0-or-later
// What every tab of the settings screen shares.
#include "settings/SchedaConfigurazioni.h"

#include "storage/StatoProgramma.h"
#include "support/Colori.h"
#include "support/DialoghiStandard.h"
#include "support/Messaggi.h"
#include "support/Programma.h"
#include "support/Schermata.h"

#include <QLabel>
#include <QScrollBar>
#include <algorithm>

SchedaConfigurazioni::SchedaConfigurazioni(const char* nome, Programma& programma, Schermata& schermata)
    : QFrame(schermata.area()), m_programma(programma), m_schermata(schermata)
{
    setObjectName(QString::fromLatin1(nome));
    setFrameShape(QFrame::StyledPanel);
    posiziona(this, 120, 1080, 10560, 7800);
}

ImpostazioniUtente& SchedaConfigurazioni::impostazioni() const
{
    return m_programma.stato.ImpostazioniUtente;
}

void SchedaConfigurazioni::posiziona(QWidget* controllo, int sinistra, int alto, int larghezza, int altezza) const
{
    m_schermata.posiziona(controllo, sinistra, alto, larghezza, altezza);
}

bool SchedaConfigurazioni::scegliFont(QWidget* bersaglio, const QString& famiglia, int punti)
{
    QFont partenza(famiglia);
    partenza.setPointSize(std::max(1, punti));
    if (!DialoghiStandard::scegliFont(window(), bersaglio, partenza))
        return false;
    if (bersaglio->font().family().isEmpty() || bersaglio->font().pointSize() < 1) {
        Messaggi::errore(window(), QStringLiteral("selezionare sia il tipo di font che la dimensione"));
        return false;
    }
    return true;
}

qint16 SchedaConfigurazioni::puntiAmmessi(int punti)
{
    return static_cast<qint16>(std::clamp(punti, FileProfilo::kPuntiMinimi, FileProfilo::kPuntiMassimi));
}

std::optional<double> SchedaConfigurazioni::scegliColore()
{
    if (!m_campioneColore) {
        m_campioneColore = new QLabel(this);
        m_campioneColore->hide();
    }
    if (!DialoghiStandard::scegliColore(window(), m_campioneColore))
        return std::nullopt;
    return Colori::testo(m_campioneColore);
}

QScrollBar* SchedaConfigurazioni::scala(const QString& nome, qint16 ImpostazioniUtente::*campo,
                                        const QString& descrizione)
{
    const FileProfilo::RigaProfilo& riga = FileProfilo::rigaProfilo(campo);
    auto* barra = new QScrollBar(Qt::Horizontal, this);
    barra->setObjectName(nome);
    barra->setAccessibleName(descrizione);
    barra->setRange(static_cast<int>(riga.minimo), static_cast<int>(riga.massimo));
    barra->setSingleStep(1);
    return barra;
}
