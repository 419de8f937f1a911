// SPDX-License-Identifier: GPL-3.0-or-later
// What every fuzz target shares: a Qt application and a scratch folder, made once per process.
#pragma once

#include <QByteArray>
#include <QString>

namespace AmbienteFuzz {

// The scratch folder (with a trailing slash), created on first use and removed at exit.
QString cartella();

// Writes the fuzzer's bytes to a file of the scratch folder and returns its path.
QString scrivi(const QString& nome, const QByteArray& byte);

} // namespace AmbienteFuzz
