// SPDX-License-Identifier: GPL-3.0-or-later
// Hands a file to the desktop's default application for its kind (a PDF to the PDF reader).
#pragma once

#include <QString>

class QWidget;

class ApriDocumento {
public:
    virtual ~ApriDocumento() = default;
    // True when the desktop accepted the request; the opened document runs in its own process.
    virtual bool apri(const QString& percorso);
    // Whether the desktop names a program for the file's kind. Its opener starts, and so reports success,
    // whether or not one exists.
    static bool programmaPer(const QString& percorso);
};

namespace Documenti {
// Opens the document for the screen, telling the user in Italian when the file is missing or nothing can open it.
void ApriDocumento(QWidget* finestra, ::ApriDocumento& apritore, const QString& percorso);
} // namespace Documenti
