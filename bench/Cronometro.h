// SPDX-License-Identifier: GPL-3.0-or-later
// The median of repeated timings, in milliseconds.
#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

template <typename Lavoro> double medianaMs(int volte, Lavoro lavoro)
{
    std::vector<double> tempi;
    for (int i = 0; i < volte; ++i) {
        QElapsedTimer cronometro;
        cronometro.start();
        lavoro();
        tempi.push_back(cronometro.nsecsElapsed() / 1e6);
    }
    std::sort(tempi.begin(), tempi.end());
    return tempi[tempi.size() / 2];
}
