// SPDX-License-Identifier: GPL-3.0-or-later
// The list editor showing an item whose stimulus is one word of 15 MB, as a broken or hostile list may hold it
// (goal: at most 100 ms; it once kept the editor busy for minutes), and going between items of ordinary texts
// and of texts as long as a box holds (goal: at most 20 ms).
#include "Cronometro.h"
#include "ProgrammaMisurato.h"
#include "settings/EditorListe.h"
#include "settings/SchermataConfigurazioni.h"

#include <QScrollBar>
#include <QTest>
#include <cstdio>

int main(int argc, char* argv[])
{
    ProgrammaMisurato programma(argc, argv);
    StatoProgramma& stato = programma.stato;
    SchermataConfigurazioni* dialogo = programma.hub.apriConfigurazioni(nullptr);
    if (!QTest::qWaitForWindowExposed(dialogo))
        return 1;
    TabellaFrasi& tabella = stato.TabellaFrasi;
    tabella.NumeroRighe = 2;
    for (int colonna = 0; colonna < TabellaFrasi::kColonne; ++colonna) {
        tabella.Codice(1, colonna) = tabella.Codice(2, colonna) = colonna ? 0 : 1;
        tabella.Testo(2, colonna) = QStringLiteral("Nonna Rosa va al mercato con Luca, è vero? %1").arg(colonna);
    }
    EditorListe* editor = dialogo->editorListe();
    editor->apri();
    const auto mostra = [editor](int riga) {
        editor->scorrimentoEsercizi->setValue(riga);
        editor->repaint();
    };

    const QString parola(15 * 1024 * 1024, u'a');
    double lunga = 0;
    for (int volta = 0; volta < 3; ++volta) {
        mostra(2);
        tabella.Testo(1, 0) = parola;
        lunga = std::max(lunga, medianaMs(1, [&] { mostra(1); }));
    }
    const double ordinaria = medianaMs(21, [&] { mostra(editor->scorrimentoEsercizi->value() == 1 ? 2 : 1); });
    std::printf("editor delle liste\n");
    std::printf("  esercizio con una parola di 15 MB: %7.2f ms   (obiettivo: al massimo 100 ms)\n", lunga);
    std::printf("  da un esercizio all'altro:         %7.2f ms   (obiettivo: al massimo 20 ms)\n", ordinaria);
    return 0;
}
