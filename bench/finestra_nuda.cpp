// SPDX-License-Identifier: GPL-3.0-or-later
// The reference of bench_avvio: a Qt window, bare or with one written button, shown by a program that links Qt
// Widgets only. Prints the steady clock, in microseconds, once the window is on screen.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    QWidget finestra;
    finestra.resize(800, 600);
    // Any text on screen makes Qt start fontconfig, a cost of the platform rather than of a program.
    if (argc > 1 && QByteArray(argv[1]) == "testo")
        new QPushButton(QStringLiteral("Avvio"), &finestra);
    finestra.show();
    if (!QTest::qWaitForWindowExposed(&finestra))
        return 1;
    std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(
                                                     std::chrono::steady_clock::now().time_since_epoch())
                                                     .count()));
    return 0;
}
