// SPDX-License-Identifier: GPL-3.0-or-later
// The six columns of the record, on screen and on paper.
#include "results/ColonneRegistro.h"

#include <algorithm>
#include <numeric>

namespace {
enum Colonna { kNumero, kStimolo, kAffermazione, kErrori, kLibera, kLiberaCorta };
constexpr double kQuotaMassimaErrori = 1.0 / 6;
constexpr double kQuotaMassimaLiberaCorta = 1.0 / 6;
} // namespace

namespace ColonneRegistro {

QStringList titoli()
{
    return {QStringLiteral("N."),     QStringLiteral("Testo"), QStringLiteral("Frase"),
            QStringLiteral("Errori"), QStringLiteral("Note"),  QStringLiteral("Altro")};
}

Qt::Alignment allineamento(int colonna)
{
    const bool centrata = colonna == kNumero || colonna == kLiberaCorta;
    return (centrata ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
}

std::array<double, kColonne> larghezze(double larghezzaTabella, const QList<QStringList>& righe,
                                       const std::function<double(const QString&)>& misura)
{
    std::array<double, kColonne> necessaria{};
    std::array<bool, kColonne> piena{};
    for (qsizetype r = 0; r < righe.size(); ++r) {
        for (int c = 0; c < kColonne && c < righe[r].size(); ++c) {
            necessaria[c] = std::max(necessaria[c], misura(righe[r][c]));
            piena[c] = piena[c] || (r > 0 && !righe[r][c].trimmed().isEmpty());
        }
    }
    std::array<double, kColonne> risultato{};
    risultato[kNumero] = necessaria[kNumero];
    risultato[kErrori] = std::min(necessaria[kErrori], larghezzaTabella * kQuotaMassimaErrori);
    if (piena[kLiberaCorta])
        risultato[kLiberaCorta] = std::min(necessaria[kLiberaCorta], larghezzaTabella * kQuotaMassimaLiberaCorta);

    // The texts share what is left, the shortest first: one that needs less than its share leaves the rest to
    // the others, and what none needs is shared evenly, so that the table fills its width.
    QList<int> testi{kStimolo, kAffermazione};
    if (piena[kLibera])
        testi << kLibera;
    std::sort(testi.begin(), testi.end(), [&](int a, int b) { return necessaria[a] < necessaria[b]; });
    double resto = std::max(0.0, larghezzaTabella - std::accumulate(risultato.begin(), risultato.end(), 0.0));
    for (qsizetype i = 0; i < testi.size(); ++i) {
        const double quota = resto / static_cast<double>(testi.size() - i);
        risultato[testi[i]] = std::min(necessaria[testi[i]], quota);
        resto -= risultato[testi[i]];
    }
    for (const int c : testi)
        risultato[c] += resto / static_cast<double>(testi.size());
    return risultato;
}

} // namespace ColonneRegistro
