// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a feedback sound: the player gets samples within its limits, or nothing, never more.
#include "AmbienteFuzz.h"
#include "storage/FileSuono.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t misura)
{
    const std::optional<QByteArray> pcm =
        FileSuono::decodifica(QByteArray(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(misura)));
    // Two minutes at the player's rate at most, in whole 16-bit samples.
    if (pcm && (pcm->size() % 2 != 0 || pcm->size() > 2 * 120 * qsizetype(FileSuono::kFrequenza)))
        std::abort();
    return 0;
}
