// SPDX-License-Identifier: GPL-3.0-or-later
// A wave file's sound as the feedback player plays it: mono 16-bit samples at one rate, whatever the file holds.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace FileSuono {

inline constexpr int kFrequenza = 44100;

// The samples of a RIFF WAVE file of integer PCM (8 to 32 bits) or 32-bit float, any number of channels and
// any rate, mixed down to one channel at kFrequenza. nullopt for anything else: a missing, unreadable or
// oversized file, or bytes that are not such a sound.
std::optional<QByteArray> leggi(const QString& percorso);
std::optional<QByteArray> decodifica(const QByteArray& byte);

} // namespace FileSuono
