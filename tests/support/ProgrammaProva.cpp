// SPDX-License-Identifier: GPL-3.0-or-later
// A whole program over a test environment, with recording stand-ins, and what the screen tests share.
#include "support/ProgrammaProva.h"

#include "support/Colori.h"
#include "support/Messaggi.h"
#include "support/ScansioneCursore.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

QByteArray jpeg(QSize salvata, int orientamento, const QColor& colore)
{
    QImage disegno(salvata, QImage::Format_RGB32);
    disegno.fill(colore);
    QByteArray byte;
    QBuffer uscita(&byte);
    uscita.open(QIODevice::WriteOnly);
    disegno.save(&uscita, "JPG");
    // Qt writes no EXIF: an APP1 segment after the start marker with one entry, the orientation.
    if (orientamento != 1)
        byte.insert(2, QByteArray::fromHex("ffe100224578696600004d4d002a0000000800010112000300000001") + char(0) +
                           char(orientamento) + QByteArray(6, '\0'));
    return byte;
}

namespace {
class ControlloAgenteFinto : public ControlloAgente {
public:
    ControlloAgenteFinto(QStringList& registro, bool carica) : m_personaggio(registro), m_carica(carica) {}
    bool CharactersLoad(const QString&, const QString&, QString* motivo) override
    {
        if (!m_carica && motivo)
            *motivo = QStringLiteral("manca il file del personaggio \"Merlin.acs\"");
        return m_carica;
    }
    Personaggio* Characters(const QString&) override { return m_carica ? &m_personaggio : nullptr; }

private:
    PersonaggioFinto m_personaggio;
    bool m_carica;
};
} // namespace

ProgrammaProva::ProgrammaProva(const AmbienteProva& ambiente) : stato(ambiente.nuovoStato()), programma(*stato, suoni)
{
    Messaggi::Prova::intercetta(true);
    Messaggi::Prova::dimentica();
    programma.creaAgente = [this](QWidget*) {
        return std::make_unique<ControlloAgenteFinto>(agente, personaggioDisponibile);
    };
    programma.voceScansione = std::make_unique<VoceScansioneFinta>(parole);
}

ProgrammaProva::~ProgrammaProva()
{
    programma.termina();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ProgrammaProva::metti(int riga, const QString& stimolo, int codice, const QStringList& voci)
{
    TabellaFrasi& t = stato->TabellaFrasi;
    t.NumeroRighe = std::max<qint16>(t.NumeroRighe, static_cast<qint16>(riga));
    t.Testo(riga, 0) = stimolo;
    t.Codice(riga, 0) = static_cast<qint16>(codice);
    for (int colonna = 1; colonna < TabellaFrasi::kColonne; ++colonna) {
        const QString voce = voci.value(colonna - 1, QStringLiteral("3"));
        t.Testo(riga, colonna) = voce.mid(1);
        t.Codice(riga, colonna) = voce.left(1).toShort();
    }
}

void premiSensore(QWidget* ricevitore, Qt::Key tasto, bool ripetuto)
{
    const QString testo = tasto == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
    for (const QEvent::Type tipo : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent evento(tipo, tasto, Qt::NoModifier, testo, ripetuto);
        QCoreApplication::sendEvent(ricevitore, &evento);
    }
    QTest::qWait(ScansioneCursore::kConfermaRilascioMs * 3);
}

QString accesi(const QList<QPushButton*>& bottoni, double coloreEvidenziato)
{
    QString indici;
    for (int i = 0; i < bottoni.size(); ++i) {
        if (bottoni[i]->isVisible() && Colori::sfondo(bottoni[i]) == coloreEvidenziato)
            indici += QString::number(i);
    }
    return indici.isEmpty() ? QStringLiteral("-") : indici;
}

bool disegnato(const QImage& immagine)
{
    QImage uniforme(immagine.size(), immagine.format());
    uniforme.fill(immagine.pixel(0, 0));
    return immagine != uniforme;
}

bool comeAtteso(const QImage& immagine, const QString& nome)
{
    const QImage disegno = immagine.convertToFormat(QImage::Format_RGB32);
    const QImage atteso = QImage(AmbienteProva::sorgente(QStringLiteral("tests/support/attesi/%1.png").arg(nome)))
                              .convertToFormat(QImage::Format_RGB32);
    bool uguale = atteso.size() == disegno.size();
    for (int y = 0; uguale && y < atteso.height(); ++y) {
        for (int x = 0; uguale && x < atteso.width(); ++x) {
            const QRgb a = atteso.pixel(x, y), d = disegno.pixel(x, y);
            uguale =
                std::abs(qRed(a) - qRed(d)) + std::abs(qGreen(a) - qGreen(d)) + std::abs(qBlue(a) - qBlue(d)) <= 12;
        }
    }
    if (!uguale && QDir().mkpath(QStringLiteral("scritti")))
        disegno.save(QStringLiteral("scritti/%1.png").arg(nome));
    return uguale;
}
