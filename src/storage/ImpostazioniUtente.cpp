// The current pupil's settings and the profile file that holds them.
#include "storage/ImpostazioniUtente.h"

#include "storage/LettoreTesto.h"
#include "storage/Percorsi.h"
#include "storage/TestoAnsi.h"

#include <QFileInfo>
#include <QStringList>
#include <cmath>

namespace {
constexpr double kPulsanteDiSistema = -2147483633.0; // system colour 15: button face
constexpr qint64 kMassimoByteProfilo = 64 * 1024;    // 25 short lines: anything larger is damaged

QString testoBooleano(bool valore)
{
    return valore ? QStringLiteral("True") : QStringLiteral("False");
}

QString stileDaPrimaRiga(const QString& riga)
{
    if (riga.startsWith(QStringLiteral("mai")))
        return QStringLiteral("maiuscolo");
    if (riga.startsWith(QStringLiteral("min")))
        return QStringLiteral("minuscolo");
    return QStringLiteral("corsivo");
}

QString senzaSpaziFinali(QString testo)
{
    while (testo.endsWith(u' '))
        testo.chop(1);
    return testo;
}

// Reads the 25 values in order; any missing or malformed value makes the whole read fail.
class LettoreProfilo {
public:
    explicit LettoreProfilo(QString testo) : m_lettore(std::move(testo)) {}
    bool riuscito() const { return m_riuscito; }

    QString testo()
    {
        const std::optional<QString> campo = m_lettore.leggiCampo();
        if (!campo)
            m_riuscito = false;
        return campo.value_or(QString());
    }
    bool booleano() { return testo().startsWith(u'T'); }
    qint16 intero()
    {
        bool valido = false;
        const int valore = testo().trimmed().toInt(&valido);
        if (!valido || valore < INT16_MIN || valore > INT16_MAX)
            m_riuscito = false;
        return static_cast<qint16>(valore);
    }
    double colore()
    {
        bool valido = false;
        const double valore = testo().trimmed().toDouble(&valido);
        if (!valido || !std::isfinite(valore))
            m_riuscito = false;
        return valore;
    }

private:
    LettoreTesto m_lettore;
    bool m_riuscito = true;
};

QString numero(double valore)
{
    return TestoAnsi::numeroConSegno(std::llround(valore));
}
} // namespace

namespace ModuloPerIni {

void ImpostazioniPredefinite(ImpostazioniUtente& i, const Percorsi& percorsi)
{
    i.StileLettere = QStringLiteral("maiuscolo");
    i.ListaInUso = percorsi.listaPredefinita();
    i.SuoniAttivi = true;
    i.VelocitaVoce = 130;
    i.TonoVoce = 100;
    i.ParlatoAttivo = true;
    i.FumettoVisibile = false;
    i.FumettoContieneTesto = true;
    i.FontFumetto = QStringLiteral("Arial");
    i.DimensioneFontFumetto = 14;
    i.SalvaAttivita = false;
    i.FontTesto = QStringLiteral("Arial");
    i.FontScelto = QStringLiteral("Arial");
    i.DimensioneFontTesto = 28;
    i.ColoreFont = 0;
    i.ColoreSfondoTesto = 16777215;
    i.ColoreSfondo = 16777152;
    i.ColoreCasuale = true;
    i.ImpostazioniSistema = false;
    i.MouseDiSistema = false;
    i.ModalitaInput = 0;
    i.VelocitaScansione = 4;
    i.ColoreBottoni = kPulsanteDiSistema;
    i.ColoreBottoneSelezionato = 255;
    i.TipoRisposte = 1;
}

void LeggiUtente(ImpostazioniUtente& i, const QString& percorsoUtente, const Percorsi& percorsi)
{
    const std::optional<QString> contenuto =
        TestoAnsi::leggiFile(Percorsi::risoltoSenzaMaiuscole(percorsoUtente), kMassimoByteProfilo);
    if (!contenuto) {
        ImpostazioniPredefinite(i, percorsi);
        return;
    }
    LettoreProfilo p(*contenuto);
    ImpostazioniUtente letto;
    letto.StileLettere = stileDaPrimaRiga(p.testo());
    letto.ListaInUso = senzaSpaziFinali(p.testo());
    letto.SuoniAttivi = p.booleano();
    letto.VelocitaVoce = p.intero();
    letto.TonoVoce = p.intero();
    letto.ParlatoAttivo = p.booleano();
    letto.FumettoVisibile = p.booleano();
    letto.FumettoContieneTesto = p.booleano();
    letto.FontFumetto = p.testo();
    letto.DimensioneFontFumetto = p.intero();
    letto.SalvaAttivita = p.booleano();
    letto.FontTesto = p.testo();
    letto.FontScelto = p.testo();
    letto.DimensioneFontTesto = p.intero();
    letto.ColoreFont = p.colore();
    letto.ColoreSfondoTesto = p.colore();
    letto.ColoreSfondo = p.colore();
    letto.ColoreCasuale = p.booleano();
    letto.ImpostazioniSistema = p.booleano();
    letto.MouseDiSistema = p.booleano();
    letto.ModalitaInput = p.intero();
    letto.VelocitaScansione = p.intero();
    letto.ColoreBottoni = p.colore();
    letto.ColoreBottoneSelezionato = p.colore();
    letto.TipoRisposte = p.intero();
    if (p.riuscito())
        i = letto;
    else
        ImpostazioniPredefinite(i, percorsi);
}

std::optional<QString> SalvaUtente(const ImpostazioniUtente& i, const QString& percorsoUtente)
{
    const QStringList righe = {
        i.StileLettere,
        i.ListaInUso,
        testoBooleano(i.SuoniAttivi),
        numero(i.VelocitaVoce),
        numero(i.TonoVoce),
        testoBooleano(i.ParlatoAttivo),
        testoBooleano(i.FumettoVisibile),
        testoBooleano(i.FumettoContieneTesto),
        i.FontFumetto,
        numero(i.DimensioneFontFumetto),
        testoBooleano(i.SalvaAttivita),
        i.FontTesto,
        i.FontScelto,
        numero(i.DimensioneFontTesto),
        numero(i.ColoreFont),
        numero(i.ColoreSfondoTesto),
        numero(i.ColoreSfondo),
        testoBooleano(i.ColoreCasuale),
        testoBooleano(i.ImpostazioniSistema),
        testoBooleano(i.MouseDiSistema),
        numero(i.ModalitaInput),
        numero(i.VelocitaScansione),
        numero(i.ColoreBottoni),
        numero(i.ColoreBottoneSelezionato),
        numero(i.TipoRisposte),
    };
    Q_ASSERT(righe.size() == kRigheProfilo);
    return TestoAnsi::scriviRighe(Percorsi::risoltoSenzaMaiuscole(percorsoUtente), righe);
}

} // namespace ModuloPerIni
