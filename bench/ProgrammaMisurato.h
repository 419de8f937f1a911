// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the benchmarks of the screens run it: offscreen, over a temporary folder, without sounds, its
// message boxes only recorded.
#pragma once

#include "app/Ordiparo.h"
#include "storage/StatoProgramma.h"
#include "support/Messaggi.h"
#include "support/SuonoFeedback.h"

#include <QApplication>
#include <QTemporaryDir>

class SenzaSuoni : public SuonoFeedback {
public:
    void suona(const QString&) override {}
};

struct ProgrammaMisurato {
    ProgrammaMisurato(int& argc, char** argv)
        : applicazione(fuoriSchermo(argc), argv),
          stato(Percorsi(cartellaProgramma(), cartella.filePath(QStringLiteral("Lumio")), cartella.path())),
          hub(stato, suoni)
    {
        Messaggi::Prova::intercetta(true);
    }
    ~ProgrammaMisurato() { hub.termina(); }
    QString cartellaProgramma() const { return cartella.filePath(QStringLiteral("programma/")); }

    QApplication applicazione;
    QTemporaryDir cartella;
    SenzaSuoni suoni;
    StatoProgramma stato;
    Ordiparo hub;

private:
    // Set before the application reads it.
    static int& fuoriSchermo(int& argc)
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }
};
